#pragma once

#include <QString>

// The program's version. It is set once, as the project's version in the
// top-level CMakeLists.txt, and written two ways: "1.2.8" by the Debian
// package, the installed metadata and "orvyn --version"; "V1.2.08" by the
// window (the About box) and the update page, whose versions are compared
// code unit by code unit and so keep the last number at two digits.
QString PackageVersion();
QString WindowVersion();

// The window's form of a package version: "V", major and minor as they are,
// the last number with at least two digits ("1.2.8" → "V1.2.08", "1.2.10" →
// "V1.2.10"). A version of another shape is only given the "V".
QString WindowVersionOf(const QString& packageVersion);
