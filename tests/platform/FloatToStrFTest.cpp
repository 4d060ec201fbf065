#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/text/FloatToStrF.h"

TEST(FloatToStrF, formatsAsTheClassLibraryDoes) {
  struct Case {
    double value;
    TFloatFormat format;
    int precision;
    int digits;
    const char* text;
  };
  const Case cases[] = {
      {18.0, TFloatFormat::ffGeneral, 5, 4, "18"},
      {-12.0, TFloatFormat::ffGeneral, 5, 4, "-12"},
      {0.0, TFloatFormat::ffGeneral, 5, 4, "0"},
      {20.0000000155, TFloatFormat::ffGeneral, 4, 4, "20"},
      {3.14159265, TFloatFormat::ffGeneral, 5, 4, "3.1416"},
      {31415.9265, TFloatFormat::ffGeneral, 5, 4, "31416"},
      {314159.265, TFloatFormat::ffGeneral, 5, 4, "3.1416E0005"},
      {3.14159265e-100, TFloatFormat::ffGeneral, 5, 4, "3.1416E-0100"},
      {0.0001, TFloatFormat::ffGeneral, 15, 0, "0.0001"},
      {0.00001, TFloatFormat::ffGeneral, 15, 0, "1E-5"},
      {99999.5, TFloatFormat::ffGeneral, 5, 0, "1E5"},
      {2.5, TFloatFormat::ffGeneral, 2, 0, "2.5"},
      {1.25, TFloatFormat::ffGeneral, 2, 0, "1.3"},
      {-1.25, TFloatFormat::ffGeneral, 2, 0, "-1.3"},
      {1.0, TFloatFormat::ffExponent, 4, 2, "1.000E+00"},
      {-0.00123, TFloatFormat::ffExponent, 3, 1, "-1.23E-3"},
      {3.14159, TFloatFormat::ffFixed, 15, 2, "3.14"},
      {123456.789, TFloatFormat::ffFixed, 7, 2, "123456.80"},
      {-0.001, TFloatFormat::ffFixed, 15, 2, "0.00"},
      {1e20, TFloatFormat::ffFixed, 15, 2, "1E20"},
      {1234567.891, TFloatFormat::ffNumber, 15, 2, "1,234,567.89"},
      {-1234.5, TFloatFormat::ffCurrency, 15, 2, "($1,234.50)"},
      {12.0, TFloatFormat::ffCurrency, 15, 2, "$12.00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), QString::fromLatin1(c.text)) << c.value;
  }
}

TEST(FloatToStrF, nonFiniteValuesHaveTheirNames) {
  EXPECT_EQ(FloatToStrF(std::numeric_limits<double>::quiet_NaN(), TFloatFormat::ffFixed, 5, 2), "NAN");
  EXPECT_EQ(FloatToStrF(INFINITY, TFloatFormat::ffGeneral, 5, 2), "INF");
  EXPECT_EQ(FloatToStrF(-INFINITY, TFloatFormat::ffGeneral, 5, 2), "-INF");
}
