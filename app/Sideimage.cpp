#include "app/Sideimage.h"

#include "app/Applimits.h"

#include <QLabel>
#include <QStyle>

QLabel* makeSideImage(QWidget& parent)
{
    auto* image = new QLabel(&parent);
    const QIcon icon = parent.style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, &parent);
    image->setPixmap(icon.pixmap(kSideImageSize, kSideImageSize));
    image->setFixedSize(kSideImageSize, kSideImageSize);
    return image;
}
