#pragma once

#include "database/MyDatabase.h"
#include "platform/Folders.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <gtest/gtest.h>
#include <initializer_list>

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

// The values as a settings file holds them: little-endian 32-bit integers.
inline QByteArray Int32Bytes(std::initializer_list<qint32> values)
{
    QByteArray bytes;
    for (qint32 v : values) {
        uchar le[4];
        qToLittleEndian(v, le);
        bytes.append(reinterpret_cast<const char*>(le), 4);
    }
    return bytes;
}

// A settings file of the config folder ("sysfile.cfg", "chart.cfg"), which is
// made when it is missing.
inline void WriteConfigFile(const QString& name, const QByteArray& bytes)
{
    ASSERT_TRUE(QDir().mkpath(platform::ConfigFolder()));
    WriteFile(platform::ConfigFolder() + '/' + name, bytes);
}

inline QByteArray ConfigFileBytes(const QString& name)
{
    return FileBytes(platform::ConfigFolder() + '/' + name);
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
