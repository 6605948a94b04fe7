#include "app/QtUmgebung.h"

#include <gtest/gtest.h>

namespace {

class QtTestumgebung : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "zavr_app_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] auto* const umgebung = ::testing::AddGlobalTestEnvironment(new QtTestumgebung);

}  // namespace
