#pragma once
// Tfrm_memoDialog asks for one multi-line text (the notes of a variant); TextAbfragen shows it
// modally for one question.
#include <QDialog>
#include <functional>

class QPlainTextEdit;
class QPushButton;

class Tfrm_memoDialog : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_memoDialog(QWidget* eltern = nullptr);

    QPlainTextEdit* Memo1;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

// True when confirmed with btnOk; only then text takes the memo's lines, each followed by CR LF.
bool TextAbfragen(const QString& titel, QString& text);

// Tests answer in place of the dialog with this; an empty function restores the dialog.
using TextAntwort = std::function<bool(const QString& titel, QString& text)>;
void setzeTextAntwort(TextAntwort antwort);
