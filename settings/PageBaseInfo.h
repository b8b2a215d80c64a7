#pragma once

#include "database/Records.h"
#include "settings/CarPage.h"

#include <QStringList>
#include <array>
#include <optional>

class CCarPictureArea;
class CMyDatabase;
class IWindowRequests;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings page "爱车档案": the current car's profile (its CarProperty row),
// written by Apply or OK, and its picture, stored at once when uploaded.
class CPageBaseInfo : public CCarRowPage
{
    Q_OBJECT
public:
    // The largest picture stored, in pixels.
    static constexpr int kMaxPictureWidth = 300;
    static constexpr int kMaxPictureHeight = 150;

    // The fuels offered by the fuel box, in order; any other text can be typed.
    static const QStringList& FuelTypes();

    // A new picture has the window redraw its car photo, when there is a window.
    CPageBaseInfo(LedgerContext& context, IWindowRequests* window, QWidget* parent = nullptr);

    void OnInitDialog() override;
    bool OnApply() override;
    // Asks for a BMP file and stores it as the car's picture at once.
    void OnUpload();

    const CARPROPERTY& profile() const { return m_profile; }
    // The edit of a column of the profile row (not `FuelType`); nullptr for any other.
    QLineEdit* edit(const char* column) const;
    QComboBox* fuelTypeBox() const { return m_fuelType; }
    QPushButton* uploadButton() const { return m_upload; }
    CCarPictureArea* pictureArea() const { return m_picture; }

private:
    // One text field of the profile: its column, label and record text.
    struct Field
    {
        const char* column;
        const char* label;
        QString CARPROPERTY::*text;
    };
    static const std::array<Field, 9> kFields;

    // The number typed into the field of a number column; none when refused.
    std::optional<double> readNumber(const char* column);
    // Reads the car's profile and shows it.
    void Load() override;
    void Refresh() override;
    void showPicture();
    // Stores the BMP file image as the page's car's picture.
    bool storePicture(const QByteArray& file);

    IWindowRequests* m_window;
    CARPROPERTY m_profile;
    std::array<QLineEdit*, 9> m_edits{};
    QComboBox* m_fuelType;
    QPushButton* m_upload;
    CCarPictureArea* m_picture;
};
