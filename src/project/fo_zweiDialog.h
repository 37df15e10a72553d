#pragma once
// TfrmZweiDialog asks for two one-line values (name and editor of a new or duplicated variant);
// ZweiWerteAbfragen shows it modally for one question.
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmZweiDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZweiDialog(QWidget* eltern = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QLineEdit* Edit2;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

// True when confirmed with btnOk; only then wert1 and wert2 take the edited texts.
bool ZweiWerteAbfragen(const QString& titel, const QString& text1, const QString& text2, QString& wert1,
                       QString& wert2);

// Tests answer in place of the dialog with this; an empty function restores the dialog.
using ZweiWerteAntwort = std::function<bool(const QString& titel, const QString& text1, const QString& text2,
                                            QString& wert1, QString& wert2)>;
void setzeZweiWerteAntwort(ZweiWerteAntwort antwort);
