#pragma once

#include "sunmoon/UDM_SoleLuna.h"

#include <QColor>
#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

// "Sole e luna": for the current session, one line per day with the sun's and the moon's times,
// the moon's lit fraction and phase, the solunar periods and the day's catches that fall in
// them; a session that cannot be shown (no start date, no lake, a lake without a position)
// gets one line saying what to do.
class TFrmSoleLuna : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;
    static const QStringList kColumns;
    static const QColor kMarked; // the catches of a day where some fall in a period
    enum Column {
        DayColumn,
        SunriseColumn,
        SunsetColumn,
        TwilightColumn,
        MoonriseColumn,
        MoonsetColumn,
        UpperColumn,
        LowerColumn,
        LitColumn,
        PhaseColumn,
        MajorColumn,
        MinorColumn,
        CatchesColumn
    };

    TFrmSoleLuna(TDM_SoleLuna& module, QWidget* parent = nullptr);

    // Reads the session (0: none) and fills the lines.
    void Prepare(int sessionId);

    QLabel* Title;
    QTreeWidget* Lines;
    QLabel* Footnote;
    QPushButton* Close;

private:
    TDM_SoleLuna& m_module;
};
