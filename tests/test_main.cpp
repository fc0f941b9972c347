// Runs the tests inside one application object on Qt's offscreen platform, with a fixed screen.
#include "app/main_form.h"
#include "platform/application.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("setup-tests-screen-" + std::to_string(getpid()) + ".json");
    std::ofstream(config) << R"({ "screens": [ { "name": "test", "x": 0, "y": 0, "width": 1280, "height": 1024,
      "logicalDpi": 96, "primary": true } ] })";
    std::string platform = "offscreen:configfile=" + config.string();
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    int result;
    {
        TApplication app(argc, argv);
        RegisterSetupProgram();
        result = RUN_ALL_TESTS();
    }
    std::filesystem::remove(config);
    return result;
}
