#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each row of a parameterised table after its `tag`, so a failure points at one row.
struct TagName {
  template <typename Row>
  std::string operator()(const testing::TestParamInfo<Row>& row) const {
    return row.param.tag;
  }
};
