#include "app/window/PictureFiles.h"

#include "AssetLookup.h"

namespace loopsim {

QPixmap PictureFiles::pixmap(std::string_view name) const {
    if (auto found = loaded_.find(name); found != loaded_.end())
        return found->second;
    QPixmap picture;
    if (auto path = assets::findAssetFile(folder_, name))
        picture.load(QString::fromStdString(path->string()));
    loaded_.emplace(std::string(name), picture);
    return picture;
}

}  // namespace loopsim
