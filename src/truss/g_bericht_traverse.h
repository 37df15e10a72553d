#pragma once
// The truss report: library data, geometry, section values, permissible forces, the column table
// and the proofs of diagonal and connector, with the captions of the truss window in the current
// language. It computes nothing; every value is the text the window shows.
#include "report/u_bericht.h"
#include <QDateTime>

class Traversenentwurf;

Bericht BerichtTraverse(const Traversenentwurf& entwurf, const QDateTime& ausdruck);
