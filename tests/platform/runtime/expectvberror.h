#pragma once
// Expects a statement to raise the runtime error of the given number.

#include "runtime/vberror.h"

#include <gtest/gtest.h>

#define EXPECT_VB_ERROR(statement, expectedNumber)                                                           \
    do {                                                                                                     \
        try {                                                                                                \
            statement;                                                                                       \
            ADD_FAILURE() << "no error raised, expected " << (expectedNumber);                               \
        } catch (const VbError& error) {                                                                     \
            EXPECT_EQ(error.number(), (expectedNumber)) << error.what();                                     \
        }                                                                                                    \
    } while (false)
