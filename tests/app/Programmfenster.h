#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

class QWidget;
class Varno;

// A window of the program as the user meets it; windows that live outside the program object are
// made for the test and kept in `eigene`.
struct Fensterfall {
    const char* name;
    std::function<QWidget*(Varno& varno, std::unique_ptr<QWidget>& eigene)> fenster;
};

void PrintTo(const Fensterfall& fall, std::ostream* os);

// Every window of the program.
::testing::internal::ParamGenerator<Fensterfall> programmfenster();
std::string fensterName(const ::testing::TestParamInfo<Fensterfall>& fall);
