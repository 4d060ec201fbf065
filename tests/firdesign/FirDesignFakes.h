#pragma once

#include <array>
#include <map>
#include <set>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "firdesign/DesignedFirReceiver.h"
#include "firdesign/FirDesignControls.h"
#include "firdesign/FirDesignView.h"

/// The designer's switches and bands as plain values: every switch up, ten
/// flat Peak bands.
class FakeFirDesignControls : public FirDesignControls {
public:
  FakeFirDesignControls() {
    for (int b = 0; b < kBandCount; ++b) {
      bands[b] = FirDesignBand{1000.0 * (b + 1), 0.0, 3.0, 0, false};
    }
  }

  bool IsDown(FirDesignSwitch which) const override { return down.count(which) > 0; }
  FirDesignBand Band(int band) const override { return bands.at(band); }

  void Set(FirDesignSwitch which, bool isDown) {
    if (isDown) {
      down.insert(which);
    } else {
      down.erase(which);
    }
  }

  std::set<FirDesignSwitch> down;
  std::array<FirDesignBand, kBandCount> bands;
};

/// Records what the engine shows: the last points of every plot channel and
/// the last value of every box and label.
class RecordingFirDesignView : public FirDesignView {
public:
  struct Points {
    std::vector<double> x;
    std::vector<double> y;
  };

  void ShowCurve(int channel, const double* x, const double* y, int count) override {
    curves[channel] = Points{std::vector<double>(x, x + count), std::vector<double>(y, y + count)};
  }
  void ShowImportGain(int position, const QString& text) override {
    gainPosition = position;
    gainText = text;
  }
  void ShowImportDelay(int position, const QString& text) override {
    delayPosition = position;
    delayText = text;
  }
  void ShowMeasurementName(const QString& name) override { measurementName = name; }
  void ShowTargetName(const QString& name) override { targetName = name; }
  void ShowFirName(const QString& name) override { firName = name; }
  void ShowInformation(const char* textKey) override { information << QString::fromLatin1(textKey); }

  std::map<int, Points> curves;
  int gainPosition = -1;
  QString gainText;
  int delayPosition = -1;
  QString delayText;
  QString measurementName;
  QString targetName;
  QString firName;
  QStringList information;
};

/// Records the hand-over of a finished design.
class RecordingFirReceiver : public DesignedFirReceiver {
public:
  struct Call {
    bool output = false;
    int channel = -1;
    int taps = 0;
    QByteArray name;
    std::vector<double> coefficients;
  };

  void ApplyInputFir(int channel, int taps, const QByteArray& name, const double* coefficients) override {
    calls.push_back(Call{false, channel, taps, name, std::vector<double>(coefficients, coefficients + taps)});
  }
  void ApplyOutputFir(int channel, int taps, const QByteArray& name, const double* coefficients) override {
    calls.push_back(Call{true, channel, taps, name, std::vector<double>(coefficients, coefficients + taps)});
  }

  std::vector<Call> calls;
};
