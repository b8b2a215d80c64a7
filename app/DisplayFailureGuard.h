#pragma once

// Lives while the QApplication is made. Qt ends the program with an abort
// when it cannot reach the display it is given; under the guard the program
// says instead in one line that no display was found and ends with exit
// code 1. Qt's other messages of that moment are held back and passed on
// afterwards, so that they do not come before that line.
class DisplayFailureGuard
{
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};
