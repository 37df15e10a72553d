#pragma once
// The report preview: one page at a time with zoom and page navigation, printing through the
// platform's print dialog and saving as PDF.
#include "report/u_berichtslayout.h"
#include <QDialog>
#include <QStyle>
#include <functional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QToolButton;

// Shows the report in a modal preview; returns when the preview is closed.
void BerichtVorschau(const Bericht& bericht, QWidget* eltern = nullptr);

// Prints the pages the printer's range asks for (all pages without a range).
void BerichtDrucken(const Berichtslayout& layout, QPrinter& drucker);

class Tfrm_vorschau : public QDialog {
    Q_OBJECT
public:
    enum class Zoomart { Faktor, GanzeSeite, Seitenbreite };
    // Asks for printer and pages; false when the user cancels.
    using Druckdialog = std::function<bool(QPrinter& drucker, int seiten)>;

    explicit Tfrm_vorschau(Berichtslayout layout, QWidget* eltern = nullptr);

    int seite() const { return m_seite; } // from 0
    int seitenzahl() const { return int(m_layout.seiten.size()); }
    const Berichtslayout& layout() const { return m_layout; }
    double zoom() const { return m_zoom; } // 1 = natural size on the screen
    Zoomart zoomart() const { return m_zoomart; }
    void zeigeSeite(int seite);
    void setzeZoom(double faktor);
    void setzeZoomart(Zoomart art);
    void setzeDruckdialog(Druckdialog dialog) { m_druckdialog = std::move(dialog); }
    // A report's own options (paper, recalculation), in a row above the page. The caller builds
    // the report again when one changes and hands the new pages to setzeLayout.
    void optionenHinzufuegen(const std::vector<QWidget*>& optionen);
    void setzeLayout(Berichtslayout layout); // keeps the page number where the new report has it

    void TexteSetzen();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void btnVergroessernClick();
    void btnVerkleinernClick();
    void cmbZoomChange(int index);
    void btnDruckenClick();
    void btnPdfClick();
    void aktualisieren();
    double passenderZoom() const;
    QToolButton* werkzeug(const QString& name, QStyle::StandardPixmap bild);

    Berichtslayout m_layout;
    int m_seite = 0;
    double m_zoom = 1.0;
    Zoomart m_zoomart = Zoomart::Seitenbreite;
    Druckdialog m_druckdialog;

    QToolButton* btnErsteSeite;
    QToolButton* btnVorherigeSeite;
    QToolButton* btnNaechsteSeite;
    QToolButton* btnLetzteSeite;
    QLabel* lblSeite;
    QToolButton* btnVerkleinern;
    QToolButton* btnVergroessern;
    QComboBox* cmbZoom;
    QPushButton* btnDrucken;
    QPushButton* btnPdf;
    QPushButton* btnSchliessen;
    QScrollArea* sbSeite;
    QLabel* pbSeite;
    QHBoxLayout* m_optionsleiste;
};
