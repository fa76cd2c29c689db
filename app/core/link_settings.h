#pragma once
// The link's settings reader on top of the settings files.

#include "app/core/zb_file_data.h"
#include "link/link_ports.h"

namespace velto {

class FileSettingsReader final : public SettingsReader {
  public:
    explicit FileSettingsReader(FilePlaces places = {}) : places_(std::move(places)) {}
    int ReadSettingInt(const std::string& group, const std::string& key) override {
        return CZB_FileData(places_).ReadSettingInt(group, key);
    }

  private:
    FilePlaces places_;
};

}  // namespace velto
