#pragma once

#include "sunmoon/UDM_Posizioni.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// "Posizione dei laghi": every lake with its latitude and longitude as text the angler can
// change. OK reads every row, refuses the first that cannot be a position (the box says which
// lake and why, and the dialog stays open on it) and stores the changed ones in one
// transaction; Cancel leaves every stored position as it was.
class TFrmPosizioni : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;
    static const QString kHint;
    static const QString kNoLakes;
    static const QString kBothOrNeither; // %1: the lake

    TFrmPosizioni(TDM_Posizioni& positions, QWidget* parent = nullptr);

    // Lists the lakes and their stored positions anew.
    void Prepare();
    // Checks and stores, then closes; stays open after a refusal.
    void OkClick();

    QLabel* Hint;
    QTableWidget* Table; // lake, latitude, longitude
    QPushButton* Ok;
    QPushButton* Cancel;

private:
    TDM_Posizioni& m_positions;
    QList<TDM_Posizioni::Lake> m_lakes; // as stored when the dialog was prepared
};
