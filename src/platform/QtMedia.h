#pragma once

#include "platform/MediaCommands.h"

// Music through Qt Multimedia: one QMediaPlayer with its audio output per open alias.
class QtMediaFactory : public MediaBackendFactory {
  public:
    std::unique_ptr<MediaBackend> create() override;
};
