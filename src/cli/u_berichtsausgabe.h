#pragma once
// Writing a report as a PDF file from a subcommand: the message on success and on failure.
#include "report/u_bericht.h"

// 0 after writing, 1 with the error on standard error.
int SchreibeBerichtPdf(const Bericht& bericht, const QString& datei);
