// Headless sound: the memory backend with a fake device whose mixed output tests read.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "platform/backend.h"
#include "platform/dsound.h"
#include "platform/fault.h"
#include "sound/dso.h"

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TPlatOptions options;
    options.quiet_boxes = true;
    ASSERT_EQ(PLAT_Init(PLAT_MEMORY, options), 1);
    PLAT_FaultClear();
    PLAT_AudioFakeDevice(true, 22050, 1);
  }
  void TearDown() override {
    DSO_DONE();
    PLAT_FaultClear();
    PLAT_AudioFakeDevice(false);
    PLAT_Shutdown();
  }
  // The next `frames` frames the device would play.
  static std::vector<int16_t> Mix(int frames, int channels = 1) {
    std::vector<int16_t> out((size_t)frames * channels, 12345);
    PLAT_AudioMix(out.data(), frames);
    return out;
  }
};
