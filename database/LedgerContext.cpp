#include "database/LedgerContext.h"

#include "platform/Folders.h"
#include "platform/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <vector>

namespace {

const QString kSysFile = QStringLiteral("sysfile.cfg");
const QString kChartFile = QStringLiteral("chart.cfg");

// The fields of a file, in file order.
std::vector<qint32*> fieldsOf(LedgerContext& context, const QString& fileName)
{
    if (fileName.compare(kSysFile, Qt::CaseInsensitive) == 0)
        return {&context.OdometerColumnMask, &context.AutoCheckUpdate};
    if (fileName.compare(kChartFile, Qt::CaseInsensitive) == 0)
        return {&context.m_chartOptions.chartType, &context.m_chartOptions.gridLines,
                &context.m_chartOptions.tips, &context.m_chartOptions.gradientFill};
    return {};
}

} // namespace

QString ConfigFilePath(const QString& fileName)
{
    return platform::ConfigFolder() + QLatin1Char('/') + fileName.toLower();
}

int LedgerContext::LoadSaveConfig(const QString& fileName, bool save)
{
    const std::vector<qint32*> fields = fieldsOf(*this, fileName);
    if (fields.empty())
        return 0;
    QFile file(ConfigFilePath(fileName));

    if (!save) {
        if (!file.exists() || !file.open(QIODevice::ReadOnly))
            return 0;
        for (qint32* field : fields) {
            uchar bytes[4];
            if (file.read(reinterpret_cast<char*>(bytes), 4) != 4)
                return 0;
            *field = qFromLittleEndian<qint32>(bytes);
        }
        return 1;
    }

    // Written whole beside the old file and renamed over it, which a power cut
    // leaves either way, never cut short.
    if (!platform::MakeFolder(platform::ConfigFolder()))
        return 0;
    QSaveFile saved(file.fileName());
    if (!saved.open(QIODevice::WriteOnly))
        return 0;
    for (const qint32* field : fields) {
        uchar bytes[4];
        qToLittleEndian<qint32>(*field, bytes);
        if (saved.write(reinterpret_cast<const char*>(bytes), 4) != 4)
            return 0;
    }
    if (!saved.commit())
        return 0;
    platform::SyncFolder(platform::ConfigFolder());
    return 1;
}
