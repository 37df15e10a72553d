#include "project/fo_zweiDialog.h"
#include "language/u_meldungstexte.h"
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
ZweiWerteAntwort& antwortStattDialog()
{
    static ZweiWerteAntwort antwort;
    return antwort;
}
} // namespace

TfrmZweiDialog::TfrmZweiDialog(QWidget* eltern)
    : QDialog(eltern), Label1(new QLabel(this)), Edit1(new QLineEdit(this)), Label2(new QLabel(this)),
      Edit2(new QLineEdit(this)), btnOk(new QPushButton(this)), btnCancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("frmZweiDialog"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    setWindowTitle(QStringLiteral("Neue Variante"));
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    btnOk->setDefault(true);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btnOk);
    knoepfe->addWidget(btnCancel);
    auto* spalte = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Edit1, Label2, Edit2})
        spalte->addWidget(w);
    spalte->addSpacing(8);
    spalte->addLayout(knoepfe);
    setFixedSize(320, sizeHint().height());
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool ZweiWerteAbfragen(const QString& titel, const QString& text1, const QString& text2, QString& wert1,
                       QString& wert2)
{
    if (antwortStattDialog())
        return antwortStattDialog()(titel, text1, text2, wert1, wert2);
    TfrmZweiDialog dialog;
    dialog.setWindowTitle(titel);
    dialog.Label1->setText(text1);
    dialog.Label2->setText(text2);
    dialog.Edit1->setText(wert1);
    dialog.Edit2->setText(wert2);
    dialog.btnOk->setText(Meldungstext(7));
    dialog.btnCancel->setText(Meldungstext(8));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    wert1 = dialog.Edit1->text();
    wert2 = dialog.Edit2->text();
    return true;
}

void setzeZweiWerteAntwort(ZweiWerteAntwort antwort) { antwortStattDialog() = std::move(antwort); }
