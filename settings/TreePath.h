#pragma once

#include <QString>

// A page title may name a path of tree nodes separated by "::". A separator
// preceded by an odd number of backslashes is part of the name; in the name,
// "\::" stands for "::" and "\\" for "\".
struct TreePathStep
{
    QString node; // the first node's name, unescaped
    QString rest; // the text after the first separator
    bool hasRest = false;
};

TreePathStep SplitTreePath(const QString& title);
