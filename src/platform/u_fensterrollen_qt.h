#pragma once
// Roles a window can take towards the shell: its texts are set again after every language switch;
// it follows the keyboard modifier level (the CAD views' magnifier).

class Uebersetzbar {
public:
    virtual ~Uebersetzbar() = default;
    virtual void TexteSetzen() = 0;
};

class Modifikatorempfaenger {
public:
    virtual ~Modifikatorempfaenger() = default;
    virtual void setzeModifikatorstufe(int stufe) = 0;
};
