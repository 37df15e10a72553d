#pragma once
// Material data of the truss design and the sections of chord and diagonal tubes.
// Lengths in mm, areas in mm², second moments in mm⁴, stresses in N/mm², forces in N.
//
// A material is addressed by its Werkstoffindex, the position of the chosen item in the material
// lists of the truss window: 0 … 2 are the alloys, 3 and 4 are the two empty items and −1 is a
// list with nothing chosen; these stand for no material and give zero everywhere.
#include <QStringList>
#include <array>

struct TWerkstoffwerte {
    double SigmaZul = 0; // normal stress of the base metal
    double SigmaWez = 0; // tension in the heat-affected zone of a weld
    double TauZul = 0;   // shear of the base metal
    double TauWez = 0;   // shear in the heat-affected zone
    double TauNaht = 0;  // shear of a fillet weld
};

constexpr int AnzahlLegierungen = 3;
// Buckling numbers ω for λ = 20, 22, … 250 (entry k belongs to λ = 20 + 2k).
constexpr int AnzahlKnickzahlen = 116;
extern const std::array<std::array<double, AnzahlKnickzahlen>, AnzahlLegierungen> Knickzahlen;

// The items of the chord and diagonal material lists: the three alloys and two empty items.
QStringList Werkstoffnamen();
TWerkstoffwerte WerkstoffWerte(int werkstoffindex);

// Connector materials of cmbVerbMat and the bearing pressure text a choice writes into edtVerbLL.
QStringList Verbinderwerkstoffe();
QString Lochleibungsdrucktext(int verbinderwerkstoff); // empty for an index outside the list
// Bearing pressure of the chord tube itself (170, 145, 100; 0 without material).
double Lochleibungsdruck(int werkstoffindex);

// Bolt strength classes of cmbVerbBolzenMat and the yield strength text a choice writes.
QStringList Bolzenklassen();
QString Dehngrenzentext(int bolzenklasse); // empty for an index outside the list

// The tabulated values of M8, M10, M12 and M16 on exact equality of d, else 0.58 · d².
double Spannungsquerschnitt(double d);

double RohrFlaeche(double d, double w);
double RohrTraegheit(double d, double w);
double TraversenFlaeche(int gurte, double a);
// Second moments of the whole truss about its centroid (Steiner terms); 0 for a chord count
// outside 1 … 4.
double TraegheitVertikal(int gurte, double h, double a, double i);
double TraegheitHorizontal(int gurte, double b, double a, double i);

// Permissible compressive force by the ω method; 0 when I < 1, A < 1, λ > 250 or no material.
double ZulKnickkraft(int werkstoffindex, double a, double i, double sk, double sicherheit);
