#pragma once
// The link's texts from the text tables, in the current language.

#include "link/link_texts.h"

namespace velto {

class LinkTextTable final : public LinkTextSource {
  public:
    std::string Text(LinkText id) const override;
    int LanguageIndex() const override;
};

}  // namespace velto
