#pragma once

#include "engine/engine.h"
#include "output/delivery.h"
#include "support/fake_outside.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>

// An engine on a throwaway brain, in a freshly seeded program home, with recording fakes and
// the stages the program assembles. Settings are the shipped ones.
class EngineFixture : public ::testing::Test {
  protected:
    EngineFixture();

    // Queues a local phrase of the owner and runs one cycle.
    void say(const QString& phrase);
    // Queues any input record and runs one cycle.
    void runCycle(const TInput& input);

    QTemporaryDir homeDir;
    FakeOutside fakes;
    TestBrain brain;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<Delivery> delivery;
};
