// The generated pictures beside the program, loaded once each and found by the name the
// simulation uses ("\HSOn.jpg") without regard to letter case.
#pragma once

#include <QPixmap>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace loopsim {

class PictureFiles {
  public:
    explicit PictureFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The picture of that name; a null pixmap when there is no such file.
    QPixmap pixmap(std::string_view name) const;
    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
    mutable std::map<std::string, QPixmap, std::less<>> loaded_;
};

}  // namespace loopsim
