#pragma once

#include "database/MyDatabase.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Files a test writes and reads by hand.

// The file's bytes; empty when it cannot be read.
inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A complete ledger at path holding one car of the given name.
inline void MakeLedgerWithCar(const QString& path, const QString& name)
{
    CMyDatabase maker;
    ASSERT_TRUE(maker.CreateDatabaseFile(path).ok());
    maker.SetFilePath(path);
    ASSERT_TRUE(maker.Open());
    ASSERT_TRUE(maker.NewCar(name));
}
