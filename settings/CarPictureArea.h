#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

// The current car's picture on a settings page. Without a car it stays empty;
// with a car but no picture it shows, in red on white, the car's name in
// "【】" and below it a hint ("无汽车图片" unless set otherwise).
class CCarPictureArea : public QWidget
{
    Q_OBJECT
public:
    explicit CCarPictureArea(QWidget* parent = nullptr);

    // An empty car identifier means no current car.
    void SetCar(const QString& carId, const QString& name, const QImage& picture);
    void SetMissingText(const QString& text);

    bool HasCar() const { return !m_carId.isEmpty(); }
    QString CarName() const { return m_name; }
    QImage Picture() const { return m_picture; }
    // The texts drawn when the car has no picture (empty otherwise).
    QStringList DrawnTexts() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateAccessibleName();

    QString m_carId;
    QString m_name;
    QImage m_picture;
    QString m_missingText = tr("无汽车图片");
};
