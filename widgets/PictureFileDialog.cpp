#include "widgets/PictureFileDialog.h"

#include "widgets/PictureBox.h"
#include "widgets/PictureError.h"
#include "widgets/PictureLoader.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

const QSize kPreviewSize(200, 150);

// Answers only for the words it knows; any other text goes on to Qt's own translation.
class FileDialogWords : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        static const struct {
            const char* context;
            const char* source;
            const char* italian;
        } words[] = {
            {"QAbstractFileIconProvider", "Folder", "Cartella"},
            {"QAbstractFileIconProvider", "Drive", "Unità"},
            {"QAbstractFileIconProvider", "File", "File"},
            {"QAbstractFileIconProvider", "%1 File", "File %1"},
            {"QAbstractFileIconProvider", "File Folder", "Cartella"},
            {"QAbstractFileIconProvider", "Alias", "Collegamento"},
            {"QAbstractFileIconProvider", "Shortcut", "Collegamento"},
            {"QFileSystemModel", "Computer", "Dischi"},
            {"QFileSystemModel", "My Computer", "Dischi"},
            {"QFileSystemModel", "Name", "Nome"},
            {"QFileSystemModel", "Size", "Dimensione"},
            {"QFileSystemModel", "Type", "Tipo"},
            {"QFileSystemModel", "Kind", "Tipo"},
            {"QFileSystemModel", "Date Modified", "Data modifica"},
            {"QFileDialog", "Computer", "Dischi"},
            {"QFileDialog", "My Computer", "Dischi"},
        };
        for (const auto& w : words)
            if (qstrcmp(context, w.context) == 0 && qstrcmp(source, w.source) == 0)
                return QString::fromUtf8(w.italian);
        return QString();
    }
};

// The file list's dates and sizes in Italian whatever the system's language: the model
// writes them in the system's.
class ItalianColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && (index.column() == 1 || index.column() == 3)) {
            const auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
            if (files) {
                const QModelIndex source = mapToSource(index);
                const QFileInfo info = files->fileInfo(source);
                const QLocale italian(QLocale::Italian, QLocale::Italy);
                if (index.column() == 3)
                    return italian.toString(info.lastModified(),
                                            QStringLiteral("dd/MM/yyyy HH:mm"));
                if (info.isFile())
                    return italian.formattedDataSize(info.size(), 1,
                                                     QLocale::DataSizeTraditionalFormat);
                return QString();
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

void InstallFileDialogWords() {
    static FileDialogWords* words = nullptr;
    if (words || !qApp)
        return;
    words = new FileDialogWords(qApp);
    QCoreApplication::installTranslator(words);
}

PictureFileDialog::PictureFileDialog(QWidget* parent, const QString& caption, const QString& filter,
                                     Purpose purpose)
    : QFileDialog(parent, caption, QString(), filter) {
    InstallFileDialogWords();
    setObjectName(QStringLiteral("PictureFileDialog"));
    // Qt's own widgets, so the preview can sit beside the list and every word is ours.
    setOption(QFileDialog::DontUseNativeDialog);
    setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    setProxyModel(new ItalianColumns(this));
    const bool open = purpose == Purpose::Open;
    setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!open)
        setOption(QFileDialog::DontConfirmOverwrite); // a file of that name is replaced
    setLabelText(QFileDialog::LookIn, QStringLiteral("Cerca in:"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Nome file:"));
    setLabelText(QFileDialog::FileType, QStringLiteral("Tipo file:"));
    setLabelText(QFileDialog::Accept, open ? QStringLiteral("Apri") : QStringLiteral("Salva"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));

    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("PreviewSide"));
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(6, 0, 0, 0);
    auto* title = new QLabel(QStringLiteral("Anteprima"), side);
    m_preview = new PictureBox(side, PictureMode::Proportional);
    m_preview->setObjectName(QStringLiteral("Anteprima"));
    m_preview->setFixedSize(kPreviewSize);
    m_note = new QLabel(side);
    m_note->setObjectName(QStringLiteral("NotaAnteprima"));
    m_note->setWordWrap(true);
    m_note->setFixedWidth(kPreviewSize.width());
    column->addWidget(title);
    column->addWidget(m_preview);
    column->addWidget(m_note);
    column->addStretch();
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(side, 0, grid->columnCount(), grid->rowCount(), 1);
    connect(this, &QFileDialog::currentChanged, this, &PictureFileDialog::showPreview);
    // A name typed or set by the program selects no row: its text is followed too.
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        connect(name, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (!text.isEmpty())
                showPreview(directory().filePath(text));
        });
    resize(width() + kPreviewSize.width() + 12, qMax(height(), 360));
}

void PictureFileDialog::showPreview(const QString& path) {
    m_preview->clear();
    m_note->clear();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    try {
        m_preview->setPicture(LoadPicture(path, m_preview->size()));
    } catch (const PictureError&) {
        m_note->setText(QStringLiteral("Anteprima non disponibile"));
    } catch (const std::bad_alloc&) {
        m_note->setText(QStringLiteral("Anteprima non disponibile"));
    }
}

QString PictureFileDialog::ask(QWidget* parent, const QString& caption, const QString& filter,
                               Purpose purpose) {
    PictureFileDialog dialog(parent, caption, filter, purpose);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}
