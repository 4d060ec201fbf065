#pragma once

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/FixturePath.h"

/// A numeric CSV fixture of tests/dsp/fixtures with a header row; columns are
/// looked up by name.
class CsvFixture {
public:
  explicit CsvFixture(const std::string& name) {
    std::ifstream in(FixturePath("dsp/fixtures/" + name));
    if (!in) {
      throw std::runtime_error("missing fixture " + name);
    }
    std::string line;
    std::getline(in, line);
    std::vector<std::string> names = Split(line);
    for (std::size_t i = 0; i < names.size(); ++i) {
      m_index[names[i]] = i;
    }
    while (std::getline(in, line)) {
      std::vector<double> row;
      for (const std::string& cell : Split(line)) {
        double value = 0.0;
        std::from_chars(cell.data(), cell.data() + cell.size(), value);
        row.push_back(value);
      }
      m_rows.push_back(row);
    }
  }

  std::size_t Rows() const { return m_rows.size(); }
  double operator()(std::size_t row, const std::string& column) const {
    return m_rows.at(row).at(m_index.at(column));
  }
  std::vector<double> Column(const std::string& column) const {
    std::vector<double> values;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
      values.push_back((*this)(r, column));
    }
    return values;
  }

private:
  static std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, ',')) {
      cells.push_back(cell);
    }
    return cells;
  }

  std::map<std::string, std::size_t> m_index;
  std::vector<std::vector<double>> m_rows;
};
