// The room finder of the beam drawing's labels with hand-placed boxes and lines: the first free
// place of a label's candidates, lines that block only what they touch, stacks off an edge.
#include "beam/u_beschriftungsplatz.h"
#include <gtest/gtest.h>

TEST(Beschriftungsplatz, NimmtDenErstenFreienPlatzUndLaesstAusWennKeinerFreiIst)
{
    Beschriftungsplatz platz(QRect(0, 0, 200, 100));
    platz.Sperre(QRect(50, 0, 20, 100)); // a symbol
    EXPECT_EQ(platz.Platziere({QRect(40, 10, 20, 10), QRect(10, 10, 20, 10)}), QRect(10, 10, 20, 10));
    // the label just placed is taken as well, the drawing's edge bounds every box
    EXPECT_EQ(platz.Platziere({QRect(25, 15, 20, 10), QRect(190, 0, 20, 10), QRect(10, 20, 20, 10)}),
              QRect(10, 20, 20, 10));
    EXPECT_FALSE(platz.Platziere({QRect(15, 12, 5, 5), QRect(60, 50, 4, 4)}).has_value());
    // boxes that only touch do not overlap
    EXPECT_TRUE(platz.Frei(QRect(30, 10, 20, 10)));
}

TEST(Beschriftungsplatz, EineSchraegeLinieSperrtNurWasSieBeruehrt)
{
    Beschriftungsplatz platz(QRect(0, 0, 400, 400));
    platz.Sperre(QLineF(0, 0, 300, 300), 2); // a truss with a pen of 4 pixels
    EXPECT_FALSE(platz.Frei(QRect(140, 140, 20, 10)));          // on the line
    EXPECT_FALSE(platz.Frei(QRect(152, 141, 20, 10)));          // within the pen's half width
    EXPECT_TRUE(platz.Frei(QRect(200, 100, 20, 10)));           // inside its bounding box, off the line
    EXPECT_TRUE(platz.Frei(QRect(100, 200, 20, 10)));
    EXPECT_TRUE(platz.Frei(QRect(310, 310, 20, 10)));           // beyond its end
}

TEST(Beschriftungsplatz, StapelLiegtLueckenlosVonDerKanteWeg)
{
    const std::vector<QRect> unten = Stapel(100, 50, 1, QSize(20, 14), 3);
    ASSERT_EQ(unten.size(), 3u);
    EXPECT_EQ(unten[0], QRect(90, 51, 20, 14));
    EXPECT_EQ(unten[1].top(), unten[0].bottom() + 1);
    EXPECT_EQ(unten[2].top(), unten[1].bottom() + 1);
    const std::vector<QRect> oben = Stapel(100, 50, -1, QSize(20, 14), 2);
    EXPECT_EQ(oben[0], QRect(90, 36, 20, 14));
    EXPECT_EQ(oben[0].bottom(), 49);
    EXPECT_EQ(oben[1].bottom(), oben[0].top() - 1);
}

TEST(Beschriftungsplatz, HindernisseSperrenUeberIhreGanzeBreiteAuchImGrossenBild)
{
    // A wide drawing keeps its obstacles in column strips: one reaching across strip edges, or
    // from outside the drawing into it, blocks every part of it; the same box twice counts once.
    Beschriftungsplatz platz(QRect(0, 0, 2000, 400));
    platz.Sperre(QRect(60, 200, 10, 10));
    platz.Sperre(QRect(60, 200, 10, 10));
    platz.Sperre(QRect(-500, 300, 1000, 10));
    platz.Sperre(QLineF(1900, -100, 1900, 1000), 1);
    EXPECT_FALSE(platz.Frei(QRect(66, 205, 3, 3)));
    EXPECT_FALSE(platz.Frei(QRect(58, 205, 3, 3)));
    EXPECT_TRUE(platz.Frei(QRect(72, 205, 3, 3)));
    EXPECT_FALSE(platz.Frei(QRect(0, 302, 5, 5)));
    EXPECT_FALSE(platz.Frei(QRect(495, 302, 5, 5)));
    EXPECT_TRUE(platz.Frei(QRect(501, 302, 5, 5)));
    EXPECT_FALSE(platz.Frei(QRect(1895, 50, 10, 10)));
    EXPECT_TRUE(platz.Frei(QRect(1880, 50, 10, 10)));
}
