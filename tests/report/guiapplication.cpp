// Fonts and text documents need a GUI application; one lives for the whole test run.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { m_app = std::make_unique<QGuiApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "report_test";
    char *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

const auto *const registered = ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

} // namespace
