#pragma once

#include <QString>

// The start-up password is kept in the profile scrambled: every UTF-16 code
// unit of a password of n units is stored n higher (16-bit wrap-around).
QString ScramblePassword(const QString& clear);
QString UnscramblePassword(const QString& stored);
