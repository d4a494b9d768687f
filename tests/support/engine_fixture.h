#pragma once

#include "support/assembled_engine.h"
#include "support/fake_outside.h"
#include "support/qstring_printer.h"
#include "support/test_brain.h"

#include <gtest/gtest.h>

// An engine on a throwaway brain, in a freshly seeded program home, with recording fakes and
// the stages the program assembles. Settings are the shipped ones.
class EngineFixture : public ::testing::Test {
  protected:
    // Queues a local phrase of the owner and runs one cycle.
    void say(const QString& phrase);
    // Queues any input record and runs one cycle.
    void runCycle(const TInput& input);

    FakeOutside fakes;
    TestBrain brain;
    AssembledEngine assembled{brain.db(), fakes.outside()};
    QTemporaryDir& homeDir = assembled.home;
    std::unique_ptr<Engine>& engine = assembled.engine;
    std::unique_ptr<Delivery>& delivery = assembled.delivery;
};
