// Every model test starts from the state of a program that has seen no unit.
#pragma once

#include <gtest/gtest.h>

#include "model/DeviceState.h"

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override { tarvik::State() = tarvik::DeviceState{}; }
};
