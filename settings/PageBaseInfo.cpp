#include "settings/PageBaseInfo.h"

#include "controls/ReadableColours.h"
#include "database/BitmapFile.h"
#include "database/MyDatabase.h"
#include "database/Names.h"
#include "ledgers/LedgerFormat.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/StoreFailure.h"
#include "platform/WindowRequests.h"
#include "settings/CarPictureArea.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace platform;

namespace {

const char* const kRequiredHint = QT_TRANSLATE_NOOP("CPageBaseInfo", "(必填)计算平均油耗使用");
// A BMP of at most 300 × 150 pixels is far smaller; a larger file is no such
// picture, whatever its headers say.
constexpr qint64 kMaxPictureFileBytes = 16 * 1024 * 1024;

QLabel* redLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(WarningStyleSheet());
    return label;
}

} // namespace

const std::array<CPageBaseInfo::Field, 9> CPageBaseInfo::kFields = {{
    {col::Manufacture, QT_TRANSLATE_NOOP("CPageBaseInfo", "汽车制造商"), &CARPROPERTY::manufacture},
    {col::CarType, QT_TRANSLATE_NOOP("CPageBaseInfo", "汽车型号"), &CARPROPERTY::carType},
    {col::VIN, QT_TRANSLATE_NOOP("CPageBaseInfo", "汽车识别代码(VIN)"), &CARPROPERTY::vin},
    {col::BodyColor, QT_TRANSLATE_NOOP("CPageBaseInfo", "车身颜色"), &CARPROPERTY::bodyColor},
    {col::MotorID, QT_TRANSLATE_NOOP("CPageBaseInfo", "发动机编号"), &CARPROPERTY::motorId},
    {col::Emission, QT_TRANSLATE_NOOP("CPageBaseInfo", "发动机排量"), &CARPROPERTY::emission},
    {col::CarNo, QT_TRANSLATE_NOOP("CPageBaseInfo", "汽车牌照"), &CARPROPERTY::carNo},
    {col::FuelVolume, QT_TRANSLATE_NOOP("CPageBaseInfo", "油箱容积(升)"),
     &CARPROPERTY::fuelVolumeText},
    {col::MeterRules, QT_TRANSLATE_NOOP("CPageBaseInfo", "油表量程(格)"),
     &CARPROPERTY::meterRulesText},
}};

const QStringList& CPageBaseInfo::FuelTypes()
{
    static const QStringList fuels = {
        QStringLiteral("90#无铅汽油"), QStringLiteral("93#无铅汽油"), QStringLiteral("95#无铅汽油"),
        QStringLiteral("97#无铅汽油"), QStringLiteral("98#无铅汽油"), QStringLiteral("0#柴油"),
        QStringLiteral("5#柴油"),      QStringLiteral("10#柴油"),     QStringLiteral("-10#柴油"),
        QStringLiteral("-20#柴油"),    QStringLiteral("-35#柴油"),    QStringLiteral("-50#柴油")};
    return fuels;
}

CPageBaseInfo::CPageBaseInfo(LedgerContext& context, IWindowRequests* window, QWidget* parent)
    : CCarRowPage(tr("爱车档案"), context, parent), m_window(window)
{
    // Created in reading order, row by row, which is the tab order: the seven
    // text fields two to a row with the fuel box beside the plate, then the
    // two numbers, each followed by its red hint.
    auto* fields = new QGridLayout;
    auto addField = [&](QWidget* control, const QString& label, int row, int column) {
        fields->addWidget(LabelFor(control, label, this), row, column * 2);
        fields->addWidget(control, row, column * 2 + 1);
    };
    for (size_t i = 0; i < 7; ++i) {
        m_edits[i] = new QLineEdit(this);
        addField(m_edits[i], tr(kFields[i].label), int(i / 2), int(i % 2));
    }
    m_fuelType = new QComboBox(this);
    m_fuelType->setEditable(true);
    m_fuelType->setInsertPolicy(QComboBox::NoInsert);
    addField(m_fuelType, tr("使用燃油标识"), 3, 1);
    for (size_t i = 7; i < 9; ++i) {
        m_edits[i] = new QLineEdit(this);
        m_edits[i]->setAccessibleDescription(tr(kRequiredHint));
        const int row = int(i) - 3;
        addField(m_edits[i], tr(kFields[i].label), row, 0);
        fields->addWidget(redLabel(tr(kRequiredHint), this), row, 2, 1, 2);
    }
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* pictureBox = new QGroupBox(tr("爱车图片 "), this);
    m_picture = new CCarPictureArea(pictureBox);
    m_picture->SetMissingText(tr("请上传汽车图片！"));
    m_picture->setFixedSize(kMaxPictureWidth, kMaxPictureHeight);
    auto* pictureLayout = new QHBoxLayout(pictureBox);
    pictureLayout->addWidget(m_picture, 0, Qt::AlignCenter);

    auto* uploadBox = new QGroupBox(tr("上传或修改图片"), this);
    auto* uploadLayout = new QVBoxLayout(uploadBox);
    for (const QString& hint : {tr("图片类型：bmp"), tr("图片长宽比例：2:1"),
                                tr("图片最佳尺寸：150*75"), tr("图片最大尺寸：300*150")})
        uploadLayout->addWidget(new QLabel(hint, uploadBox));
    uploadLayout->addStretch(1);
    m_upload = new QPushButton(tr("上传图片"), uploadBox);
    uploadLayout->addWidget(m_upload);

    auto* pictures = new QHBoxLayout;
    pictures->addWidget(pictureBox);
    pictures->addWidget(uploadBox, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(pictures);
    layout->addStretch(1);

    for (QLineEdit* edit : m_edits)
        connect(edit, &QLineEdit::textChanged, this, &CPageBaseInfo::FieldChanged);
    connect(m_fuelType, &QComboBox::currentTextChanged, this, &CPageBaseInfo::FieldChanged);
    connect(m_upload, &QPushButton::clicked, this, &CPageBaseInfo::OnUpload);
}

QLineEdit* CPageBaseInfo::edit(const char* column) const
{
    const size_t i = FieldIndex(kFields, column);
    return i < m_edits.size() ? m_edits[i] : nullptr;
}

std::optional<double> CPageBaseInfo::readNumber(const char* column)
{
    const size_t i = FieldIndex(kFields, column);
    return ReadNumberField(m_edits[i], tr(kFields[i].label));
}

void CPageBaseInfo::OnInitDialog()
{
    m_loading = true;
    m_fuelType->addItems(FuelTypes());
    m_fuelType->setCurrentIndex(-1);
    m_loading = false;
    CCarRowPage::OnInitDialog();
}

void CPageBaseInfo::Refresh()
{
    showPicture(); // the car may have been renamed since
}

void CPageBaseInfo::Load()
{
    // A car without a row starts from an empty profile, never from the last car's.
    m_profile = CARPROPERTY();
    if (CMyDatabase* db = Database())
        ShowStoreFailure(db->GetCarProperty(m_car, m_profile), this);
    m_loading = true;
    for (size_t i = 0; i < kFields.size(); ++i)
        m_edits[i]->setText(m_profile.*kFields[i].text);
    m_fuelType->setEditText(m_profile.fuelType);
    m_loading = false;
    showPicture();
}

void CPageBaseInfo::showPicture()
{
    CMyDatabase* db = Database();
    const QString name =
        db && !m_car.isEmpty() ? ValueOrShow(db->GetCurrentCarName(), this) : QString();
    m_picture->SetCar(m_car, name, m_profile.picture);
    m_upload->setText(m_profile.picture.isNull() ? tr("上传图片") : tr("修改图片"));
}

bool CPageBaseInfo::OnApply()
{
    CMyDatabase* db = Database();
    if (m_car.isEmpty() || !db)
        return true;
    const std::optional<double> fuelVolume = readNumber(col::FuelVolume);
    if (!fuelVolume)
        return false;
    const std::optional<double> meterRules = readNumber(col::MeterRules);
    if (!meterRules)
        return false;
    const Expected<bool> exists = db->HasCarRow(CarTable::Property, m_car);
    if (ShowStoreFailure(exists.status(), this))
        return false;

    SqlStatus saved;
    if (!*exists) {
        CARPROPERTY typed;
        for (size_t i = 0; i < kFields.size(); ++i)
            typed.*kFields[i].text = m_edits[i]->text();
        typed.fuelType = m_fuelType->currentText();
        typed.fuelVolume = *fuelVolume;
        typed.meterRules = *meterRules;
        saved = db->InsertCarProperty(m_car, typed);
    } else {
        // The changed texts go into a copy: the record changes only by the
        // reload after a successful write.
        CARPROPERTY updated = m_profile;
        CCarRowChanges changes;
        changes.Number(updated.fuelVolumeText, edit(col::FuelVolume)->text(), *fuelVolume,
                       col::FuelVolume);
        changes.Number(updated.meterRulesText, edit(col::MeterRules)->text(), *meterRules,
                       col::MeterRules);
        for (const char* column : {col::Manufacture, col::MotorID, col::VIN, col::CarNo,
                                   col::CarType, col::BodyColor, col::Emission}) {
            const size_t i = FieldIndex(kFields, column);
            changes.Text(updated.*kFields[i].text, m_edits[i]->text(), column);
        }
        changes.Text(updated.fuelType, m_fuelType->currentText(), col::FuelType);
        saved = db->UpdateCarRow(CarTable::Property, m_car, changes);
    }
    if (ShowStoreFailure(saved, this))
        return false; // the typed texts stay for another try
    // The page shows what the file now holds ("12,345" becomes "12345.00").
    Load();
    return true;
}

void CPageBaseInfo::OnUpload()
{
    // The suffix a name typed without one gets: lower case, as the files of a
    // case-sensitive file system are usually named.
    const QString path =
        GetOpenFileName(this, {tr("打开"), QStringLiteral("BMP Files (*.bmp);;All Files (*)"),
                               QStringLiteral("bmp")});
    if (path.isEmpty())
        return;
    // The size comes from the headers alone: a picture too large is told so
    // without its pixels being read, however large the file.
    QFile file(path);
    const std::optional<QSize> size = file.open(QIODevice::ReadOnly)
                                          ? BitmapFileSize(file.read(kBitmapHeadBytes), file.size())
                                          : std::nullopt;
    if (size && (size->width() > kMaxPictureWidth || size->height() > kMaxPictureHeight)) {
        MessageBox(this, tr("图片尺寸过大，请裁剪后再重新上传！"), kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    QByteArray bytes;
    if (size && file.size() <= kMaxPictureFileBytes && file.seek(0))
        bytes = file.readAll();
    const QImage picture = ReadBitmapFile(bytes);
    if (picture.isNull()) {
        MessageBox(this, tr("加载图片失败，请确认图片格式为BMP！"), kCaption, MB_OK | MB_ICONERROR);
        return;
    }
    // The page shows the new picture only once the ledger holds it.
    if (!storePicture(bytes))
        return;
    m_profile.picture = picture;
    showPicture();
    if (m_window)
        m_window->RedrawCarPhoto();
}

bool CPageBaseInfo::storePicture(const QByteArray& file)
{
    CMyDatabase* db = Database();
    if (!db || m_car.isEmpty())
        return false;
    const Expected<bool> exists = db->HasCarRow(CarTable::Property, m_car);
    if (ShowStoreFailure(exists.status(), this))
        return false;
    // A car without a profile row gets one now, with the fields as last
    // loaded, so that the picture is kept; Apply writes the typed fields later.
    return !ShowStoreFailure(*exists ? db->SetCarPicture(m_car, file)
                                     : db->InsertCarProperty(m_car, m_profile, file),
                             this);
}
