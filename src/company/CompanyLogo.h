#pragma once

#include <QString>

class QImage;

// The company logo lives as "logo.jpg" in the data folder, not in the profile; prints draw it
// when the file exists.
QString CompanyLogoFile(const QString& appData);

// Writes the image as JPEG. The old file is replaced only once the new one is complete, so a
// failed write leaves the previous logo in place. Transparent parts become white, as JPEG has
// no transparency and they would otherwise turn black.
bool SaveCompanyLogo(const QImage& image, const QString& file);
