#include "project/fo_memoDialog.h"
#include "language/u_meldungstexte.h"
#include "tables/u_werteliste.h"
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
TextAntwort& antwortStattDialog()
{
    static TextAntwort antwort;
    return antwort;
}
} // namespace

Tfrm_memoDialog::Tfrm_memoDialog(QWidget* eltern)
    : QDialog(eltern), Memo1(new QPlainTextEdit(this)), btnOk(new QPushButton(this)), btnCancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("frm_memoDialog"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOk);
    knoepfe->addWidget(btnCancel);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Memo1);
    spalte->addLayout(knoepfe);
    setFixedSize(420, 280);

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TextAbfragen(const QString& titel, QString& text)
{
    if (antwortStattDialog())
        return antwortStattDialog()(titel, text);
    Tfrm_memoDialog dialog;
    dialog.setWindowTitle(titel);
    dialog.btnOk->setText(Meldungstext(7));
    dialog.btnCancel->setText(Meldungstext(8));
    dialog.Memo1->setPlainText(TWerteliste(text).zeilen().join(u'\n'));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = TWerteliste(dialog.Memo1->toPlainText()).text();
    return true;
}

void setzeTextAntwort(TextAntwort antwort) { antwortStattDialog() = std::move(antwort); }
