// Builds a main window on fake platform parts, with its own content and write folders.
#pragma once

#include "platform/fakes/FakePlatform.h"
#include "shell/Educate.h"

#include <QTemporaryDir>

#include <memory>

namespace tw::test {

struct TestWindow
{
    QTemporaryDir appDir;
    QTemporaryDir writeDir;
    FakePlatform fakes;
    std::unique_ptr<Educate> window;

    explicit TestWindow(std::uint32_t seed = 1, QSize size = QSize(800, 600))
    {
        Platform p;
        fakes = FakePlatform::make(p, seed);
        window = std::make_unique<Educate>(std::move(p), appDir.path(), writeDir.path());
        window->resize(size);
    }
    Educate &w() { return *window; }
};

} // namespace tw::test
