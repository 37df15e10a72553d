#include "truss/u_traversentexte.h"
#include "language/u_uebersetzung.h"
#include <cstring>

namespace {

const Traversenbeschriftung Beschriftungen[] = {
    {"Tfrm_traverse", 2109, "Traverse"},
    {"tab_Traverse", 2110, "Eigenschaften der Traverse"},
    {"gbGurte", 2111, " Gurte: "},
    {"lblAnzahl", 2112, "Anzahl:"},
    {"lblMaterial", 2113, "Material:"},
    {"lblDurchmesser", 2114, "Durchmesser d [mm]:"},
    {"lblWandstaerke", 2115, "Wandstärke w [mm]:"},
    {"cbVerbinder", 2116, "Verbinder angeschweisst"},
    {"gbAbmessungen", 2117, " Abmessungen: "},
    {"lblH", 2118, "Höhe h [mm]:"},
    {"lblB", 2119, "Breite b [mm]:"},
    {"lblDia", 2120, "Diagonalenabstand [mm]"},
    {"lblVertikal", 2121, "vertikal a:"},
    {"lblHorizontal", 2122, "horizontal a':"},
    {"cbHoriDiga", 2123, "horizontale Diagonalen"},
    {"gbKraefte", 2124, " zulässige Kräfte: "},
    {"lblVerbinder", 2125, "im Verbinder [N]:"},
    {"lblDiagonal", 2126, "in der Diagonalen [N]:"},
    {"gbErgebnisse", 2127, " Ergebnisse: "},
    {"lblGurt", 2128, "Gurt:", true},
    {"lblAGurt", 2129, "A [mm²]:"},
    {"lblIGurt", 2130, "I [mm² * mm²]:"},
    {"lblTraverse", 2131, "Traverse:", true},
    {"lblATrav", 2132, "A [mm²]:"},
    {"lblITrav", 2133, "I [mm² * mm²]"},
    {"lblTravVerti", 2134, "vertikal:"},
    {"lblTravHori", 2135, "horizontal:"},
    {"tab_Diagonalen", 2136, "Eigenschaften der Diagonale"},
    {"gbDiagonale", 2137, " Diagonale: "},
    {"lblDiaMat", 2138, "Material:"},
    {"lblDiaDurch", 2139, "Durchmesser d [mm]:"},
    {"lblDiaW", 2140, "Wandstärke w [mm]:"},
    {"lblDiaSN", 2141, "Höhe der Schweissnaht w [mm]:"},
    {"gbDiaErgebnisse", 2143, " Ergebnisse: "},
    {"lbl_de_dia", 2144, "Diagonale:", true},
    {"lbl_de_l", 2145, "Länge l [mm]:"},
    {"lbl_de_A", 2146, "Fläche A [mm²]:"},
    {"lbl_de_I", 2147, "Trägheitsmoment I [mm² * mm²]:"},
    {"lbl_de_SN", 2148, "Schweissnaht:", true},
    {"lbl_de_SN_l", 2149, "Länge l [mm]:"},
    {"lbl_de_SN_A", 2150, "Fläche A [mm²]:"},
    {"lbl_de_du", 2151, "Durchstanzen:", true},
    {"lbl_de_du_l", 2152, "Länge l [mm]:"},
    {"lbl_de_du_A", 2153, "Fläche A [mm²]:"},
    {"gb_dia_zul", 2154, " zulässige Kraft in der Diagonale: "},
    {"lbl_dia_zul_kni", 2155, "Knicken [N]:"},
    {"lbl_dia_zul_wez", 2156, "Zug in Wärmeeinflusszone [N]:"},
    {"lbl_dia_zul_scher", 2157, "Abscheren der Schweissnaht [N]:"},
    {"lbl_dia_zul_stanz", 2158, "Durchstanzen [N]:"},
    {"lbl_dia_zul_gesamt", 2159, "zulässige Diagonalkraft [N]:"},
    {"tab_Verbinder", 2160, "Eigenschaften der Verbinder"},
    {"gb_verb", 2161, " Verbinder: "},
    {"lbl_verb_mat", 2162, "Material:"},
    {"lbl_verb_lld", 2163, "Lochleibungsdruck [N/mm²]:"},
    {"gbBolzen", 2164, " Bolzen / Schraube: "},
    {"lbl_bolz_fk", 2165, "Festigkeitsklasse:"},
    {"lbl_bolz_dg", 2166, "Dehngrenze [N/mm²]:"},
    {"cbBolzenMin", 2167, "es kann ausgeschlossen werden,"},
    {"lblBolzenMin", 2168, "dass Material geringerer Festigkeit verwendet wird"},
    {"gb_verb_erg", 2169, " Ergebnisse: "},
    {"lblSchrauben1", 2170, "Schraubverbindung:", true},
    {"lblSchrauben2", 2171, "Spannungsquerschnitt [mm²]:"},
    {"lblSchrauben3", 2172, "zulässige Schraubenkraft [N]:"},
    {"lblSchrauben4", 2173, "zulässiges Moment [Nm]:"},
    {"lblSchrauben5", 2174, "zulässige Verbindungskraft [N]:"},
    {"lblSchrauben6", 2175, "maximale Verbinderkraft [N]"},
    {"tab_Stuetze", 2176, "Belastbarkeit als Stütze"},
    {"cbBGVC1", 2177, "Sicherheitsfaktor von 2 nach BGV C1"},
    {"lblSicherheitsfaktor", 2178, "Sicherheitsfaktor für Außermittigkeit der Lasteinleitung:"},
    {"lblEinzel", 2179, "Belastbarkeit des Einzelrohrs [kg]:"},
    {"lblVerbinder3", 2180, "Belastbarkeit aller Verbinder [kg]:"},
    {"tab_traeger", 2181, "Belastbarkeit als Träger"},
    {"gbNormalkraft", 2182, " Normalkraft: "},
    {"lblKnickenObergurt1", 2183, "Knicken des Obergurtes [N]"},
    {"lblSchweissen", 2184, "Zug in Wärmeeinflusszone [N]"},
    {"lblVerbinder2", 2185, "Zug in den Verbindern [N]"},
    {"lblGurtMax", 2186, "maximale Gurtkraft pro Gurt [N]"},
    {"gbStatik", 2187, " Statik: "},
    {"lblQuerkraft", 2188, "zulässige Querkraft [N]:"},
    {"lblBiegemoment", 2189, "zulässiges Biegemoment [Nm]:"},
    {"lblEigenlast", 2190, "Eigenlast [N/m]"},
    {"gbBibliothek", 2191, " Bibliothek: "},
    {"lblHersteller", 2192, "Hersteller:"},
    {"lblName", 2193, "Name:"},
    {"lblBearbeiter", 2194, "Bearbeiter:"},
    {"btnInsert", 2195, "in die Bibliothek"},
    {"gbHinweise", 2196, " Hinweis: "},
    // Result panel of the bolt connectors (types 0 … 2)
    {"lblBolzen1", 2550, "Lochleibung:", true},
    {"lblBolzen2", 2551, "Fläche je Loch [mm²]:"},
    {"lblBolzen3", 2552, "Fläche gesamt [mm²]:"},
    {"lblBolzen4", 2553, "zulässige Kraft [N]:"},
    {"lblBolzen5", 2554, "Bolzen:", true},
    {"lblBolzen6", 2555, "Durchmesser [mm]:"},
    {"lblBolzen7", 2556, "Fläche A [mm²]:"},
    {"lblBolzen8", 2557, "Trägheitsmoment I [mm² * mm²]:"},
    {"lblBolzen9", 2558, "Dehngrenze [N/mm²]:"},
    {"lblBolzen10", 2559, "zulässige Kraft [N]:"},
    // Result panel of the tube connector (type 4)
    {"lblRohr1", 2560, "Außenrohr:", true},
    {"lblRohr2", 2561, "Lochleibungsfläche [mm²]:"},
    {"lblRohr3", 2562, "Lochleibungsdruck [N/mm²]:"},
    {"lblRohr4", 2563, "zulässige Kraft [N]:"},
    {"lblRohr5", 2564, "Innenrohr:", true},
    {"lblRohr6", 2565, "Lochleibungsfläche [mm²]:"},
    {"lblRohr7", 2566, "zulässige Kraft [N]:"},
    {"lblRohr8", 2567, "Schraube:", true},
    {"lblRohr9", 2568, "Scherfläche [mm²]:"},
    {"lblRohr10", 2569, "zulässige Kraft [N]:"},
};

} // namespace

std::span<const Traversenbeschriftung> Traversenbeschriftungen() { return Beschriftungen; }

const Traversenbeschriftung* FindeTraversenbeschriftung(const char* name)
{
    for (const Traversenbeschriftung& b : Beschriftungen)
        if (std::strcmp(b.name, name) == 0)
            return &b;
    return nullptr;
}

QString Traversenbeschriftungstext(const char* name)
{
    const Traversenbeschriftung* b = FindeTraversenbeschriftung(name);
    return b ? Uebersetzt(b->id, QString::fromUtf8(b->deutsch)) : QString();
}

QString Seitenknickwarnung(int gurte, bool horizontaleDiagonalen)
{
    if (gurte < 2 || horizontaleDiagonalen)
        return QString();
    return Uebersetzt(2795, QStringLiteral("Ohne horizontale Diagonalen ist das seitliche")).trimmed() + u' '
        + Uebersetzt(2796, QStringLiteral("Knicken der Gurte nicht berücksichtigt.")).trimmed();
}
