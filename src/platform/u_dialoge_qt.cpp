#include "platform/u_dialoge_qt.h"
#include "language/u_meldungstexte.h"
#include "platform/u_dateifilter.h"
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QString programmname() { return QStringLiteral("Kelvara VLX"); }

// Yes/No/Abort in the order and wording of the system; Escape answers Abort where it exists.
Antwort frage(QWidget* besitzer, const QString& text, bool mitAbbrechen)
{
    QMessageBox box(QMessageBox::Question, programmname(), text, QMessageBox::NoButton, besitzer);
    box.addButton(QMessageBox::Yes);
    box.addButton(QMessageBox::No);
    if (mitAbbrechen)
        box.addButton(QMessageBox::Abort);
    box.setEscapeButton(mitAbbrechen ? QMessageBox::Abort : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    default: return Antwort::Abbrechen;
    }
}
} // namespace

void QtDialoge::Meldung(const QString& text)
{
    QMessageBox box(QMessageBox::Information, programmname(), text, QMessageBox::Ok, m_besitzer);
    box.exec();
}

Antwort QtDialoge::FrageJaNein(const QString& text) { return frage(m_besitzer, text, false); }
Antwort QtDialoge::FrageJaNeinAbbrechen(const QString& text) { return frage(m_besitzer, text, true); }

std::optional<QString> QtDialoge::dateiWaehlen(const DateiDialog& dialog, bool speichern)
{
    QFileDialog fenster(m_besitzer, dialog.titel);
    fenster.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fenster.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // the windows ask about overwriting themselves
    fenster.setOption(QFileDialog::DontConfirmOverwrite);
    fenster.setNameFilters(QtFilter(dialog.filter));
    if (!dialog.startordner.isEmpty())
        fenster.setDirectory(dialog.startordner);
    if (!dialog.dateiname.isEmpty())
        fenster.selectFile(dialog.dateiname);
    if (fenster.exec() != QDialog::Accepted || fenster.selectedFiles().isEmpty())
        return std::nullopt;
    return MitStandardEndung(fenster.selectedFiles().first(), dialog.standardEndung);
}

std::optional<QString> QtDialoge::DateiOeffnen(const DateiDialog& dialog) { return dateiWaehlen(dialog, false); }
std::optional<QString> QtDialoge::DateiSpeichern(const DateiDialog& dialog) { return dateiWaehlen(dialog, true); }

std::optional<QString> QtDialoge::Eingabe(const QString& titel, const QString& frage, const QString& vorgabe)
{
    QInputDialog box(m_besitzer);
    box.setWindowTitle(titel);
    box.setLabelText(frage);
    box.setTextValue(vorgabe);
    box.setOkButtonText(Meldungstext(7));
    box.setCancelButtonText(Meldungstext(8));
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}
