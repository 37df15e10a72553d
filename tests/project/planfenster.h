#pragma once
// A project window showing its floor plan, with the tool palette for it; closed unchanged.
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include <QApplication>
#include <QTabWidget>
#include <gtest/gtest.h>

class Planfenstertest : public ::testing::Test {
protected:
    Tfrm_projekt* fenster = new Tfrm_projekt;
    Tfrm_grundrisstool palette;

    void SetUp() override
    {
        fenster->resize(800, 600);
        fenster->show();
        fenster->pcProjekt->setCurrentWidget(fenster->tabGrundriss);
        palette.zeigeFuer(fenster);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        fenster->projekt().SetzeGeaendert(false);
        delete fenster;
    }
};
