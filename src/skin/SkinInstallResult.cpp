#include "skin/SkinInstallResult.h"

#include "core/Localization.h"
#include "core/TextFormat.h"

QString SkinInstallResult::reason() const
{
    switch (failure) {
    case SkinInstallFailure::None:
        return QString();
    case SkinInstallFailure::NotSkinArchive:
        return localizedString("not a skin archive");
    case SkinInstallFailure::Damaged:
        return localizedString("archive damaged");
    case SkinInstallFailure::TooLarge:
        return localizedString("too large");
    case SkinInstallFailure::WriteFailed:
        return localizedString("could not be written");
    case SkinInstallFailure::DownloadFailed:
        return localizedString("could not be downloaded");
    case SkinInstallFailure::ImagesRefused:
        return fmt(localizedString("the images of \"%@\" are outside its folder or too large"), skin);
    }
    return QString();
}
