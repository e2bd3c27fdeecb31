#pragma once

#include <QSize>
#include <QString>

#include <array>

class QLabel;
class QWidget;

void InitSkhemarResources();

namespace values {

// Loads the picture resource of that name into an image control and records
// the name in the control's "picture" property. An unknown name raises
// ResourceError.
void LoadPicture(QLabel* image, const QString& name);

// The size a picture is drawn at (an auto-sized image takes it); an unknown
// name raises ResourceError.
QSize PictureSize(const QString& name);

// The name of the picture last loaded into an image control (empty if none).
QString PictureName(const QLabel* image);

// The 18 default pictures of a colour-code page, by image number 1..18.
inline constexpr std::array<const char*, 18> BandImageNames{
    "PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC33", "PIC31", "PIC32",
    "PIC31", "PIC32", "PIC33", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29", "PIC29"};

// Loads BandImageNames into the images named prefix + 1 .. prefix + 18 found
// below root ("ColorRImage1" …).
void LoadBandPictures(QWidget* root, const QString& prefix);

} // namespace values
