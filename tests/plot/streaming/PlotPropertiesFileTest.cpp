#include <memory>
#include <utility>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QSet>

#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotLayoutManager.h"
#include "plot/core/TiXYPlot.h"
#include "plot/objects/TiPlotXAxis.h"
#include "tests/plot/ErrorOf.h"
#include "tests/plot/streaming/PlotFileSupport.h"

namespace {

/// A plot with several objects of every kind it can create, every stored
/// property moved off its value, a channel title with CR LF and "#10".
void FillAndMove(TiPlotComponent& plot) {
  TiPlotMasterManager& m = plot.Master();
  for (int i = 0; i < 2; ++i) {
    m.AddChannel();
    m.AddXAxis();
    m.AddYAxis();
    m.AddLegend();
    m.AddLabel();
    m.AddDataView();
    m.AddDataCursor();
    m.AddLimit();
  }
  for (TiPlotKindManager* manager : {&m.ChannelManager(), &m.XAxisManager(), &m.YAxisManager(), &m.ToolBarManager(),
                                     &m.LegendManager(), &m.LabelManager(), &m.DataViewManager(),
                                     &m.DataCursorManager(), &m.LimitManager()}) {
    for (int i = 0; i < manager->Count(); ++i) {
      MoveEveryProperty(*manager->Items(i), TiPlotPropertyRegistry::PropertiesOf(*manager->Items(i)));
    }
  }
  MoveEveryProperty(plot, plot.PublishedProperties());
  // Moving switched the differential option on; the full round trip is
  // written whole (a value at its declared default is no loss then).
  plot.SetDifferentialPropertySave(false);
  m.ChannelManager().ItemAs<TiPlotChannelCustom>(1)->SetTitleText(QStringLiteral("Left\r\nRight #10 end"));
}

struct Events {
  std::vector<std::string> log;
  void Watch(TiPlotComponent& plot) {
    plot.OnBeforeLoadProperties = [this](TObject*) { log.push_back("before load"); };
    plot.OnAfterLoadProperties = [this](TObject*) { log.push_back("after load"); };
    plot.OnAfterSaveProperties = [this](TObject*) { log.push_back("after save"); };
  }
};

template <typename Plot>
void ExpectRoundTrip() {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plot.txt"));
  Plot saved;
  FillAndMove(saved);
  Events events;
  events.Watch(saved);
  saved.SavePropertiesToFile(file);
  Plot loaded;
  loaded.AddAnnotation();
  events.Watch(loaded);
  loaded.LoadPropertiesFromFile(file);
  EXPECT_EQ(RegistryDump(loaded), RegistryDump(saved));
  EXPECT_EQ(loaded.AnnotationCount(), 0);
  EXPECT_EQ(events.log, (std::vector<std::string>{"after save", "before load", "after load"}));
  EXPECT_EQ(loaded.LastPropertiesFileName(), file);
  EXPECT_EQ(saved.LastPropertiesFileName(), file);
  EXPECT_TRUE(loaded.Master().LayoutManager().Enabled());
  EXPECT_FALSE(loaded.GetUpdateActive());
  const QByteArray bytes = FileBytes(file);
  EXPECT_TRUE(bytes.startsWith("File Type = Plot Config\r\nChannelCount = 3\r\nXAxisCount = 3\r\n"))
      << bytes.left(80).data();
  EXPECT_TRUE(bytes.contains("\r\nChannel1.TitleText = Left#13#10Right #3510 end\r\n"));
}

/// Compares every stored property of a loaded object with the saved one:
/// a line the file holds loads the saved value; a line left out is an
/// ordinal at its declared default and loads as the new object has it.
void ExpectLoadedAsWritten(const QSet<QString>& written, const QString& prefix, TObject& saved, TObject& loaded,
                           TObject& fresh, const TiPropertyTable& table) {
  ForEachStoredProperty(saved, table, QString(), [&](const QString& name, const TiPlotProperty& p, TObject& s) {
    const QString fullName = prefix.isEmpty() ? name : prefix + QLatin1Char('.') + name;
    TObject* l = &loaded;
    TObject* f = &fresh;
    ResolvePropertyName(table, name, &l);
    ResolvePropertyName(table, name, &f);
    if (written.contains(fullName)) {
      EXPECT_EQ(p.Get(*l), p.Get(s)) << fullName.toStdString();
    } else {
      EXPECT_TRUE(IsOrdinalKind(p.Kind) && p.HasDefault && p.Get(s) == p.Default) << fullName.toStdString();
      EXPECT_EQ(p.Get(*l), p.Get(*f)) << fullName.toStdString();
    }
  });
}

template <typename Plot>
void ExpectDifferentialRoundTrip() {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plot.txt"));
  Plot saved;
  FillAndMove(saved);
  saved.SetDifferentialPropertySave(true);
  saved.SavePropertiesToFile(file);
  QSet<QString> written;
  for (const QByteArray& line : FileBytes(file).split('\n')) {
    written.insert(QString::fromLatin1(line.left(line.indexOf(" = "))));
  }
  Plot loaded;
  loaded.LoadPropertiesFromFile(file);
  Plot fresh;
  ExpectLoadedAsWritten(written, QString(), saved, loaded, fresh, saved.PublishedProperties());
  const std::pair<const char*, TiPlotKindManager& (TiPlotMasterManager::*)() const> kinds[] = {
      {"Channel", &TiPlotMasterManager::ChannelManager}, {"XAxis", &TiPlotMasterManager::XAxisManager},
      {"YAxis", &TiPlotMasterManager::YAxisManager},     {"ToolBar", &TiPlotMasterManager::ToolBarManager},
      {"Legend", &TiPlotMasterManager::LegendManager},   {"Label", &TiPlotMasterManager::LabelManager},
      {"DataView", &TiPlotMasterManager::DataViewManager}, {"DataCursor", &TiPlotMasterManager::DataCursorManager},
      {"Limit", &TiPlotMasterManager::LimitManager}};
  for (const auto& [name, manager] : kinds) {
    TiPlotKindManager& savedObjects = (saved.Master().*manager)();
    TiPlotKindManager& loadedObjects = (loaded.Master().*manager)();
    ASSERT_EQ(loadedObjects.Count(), savedObjects.Count()) << name;
    for (int i = 0; i < savedObjects.Count(); ++i) {
      // Toolbar 0 and the title label are kept, not made anew.
      TiPlotKindManager& freshObjects = (fresh.Master().*manager)();
      const bool kept = i == 0 && (&freshObjects == &fresh.Master().ToolBarManager() ||
                                   &freshObjects == &fresh.Master().LabelManager());
      const std::unique_ptr<TiPlotObject> made = freshObjects.CreateObject();
      TiPlotObject& object = *savedObjects.Items(i);
      ExpectLoadedAsWritten(written, QString::fromLatin1(name) + QString::number(i), object, *loadedObjects.Items(i),
                            kept ? *freshObjects.Items(0) : *made, TiPlotPropertyRegistry::PropertiesOf(object));
    }
  }
}

}  // namespace

TEST(PlotPropertiesFile, DifferentialRoundTrip_leavesOutDefaultOrdinalsWhichLoadAsNewObjectsHaveThem) {
  ExpectDifferentialRoundTrip<TiPlot>();
  ExpectDifferentialRoundTrip<TiXYPlot>();
}

TEST(PlotPropertiesFile, RoundTrip_everyPropertyOfEveryObjectComesBack) {
  ExpectRoundTrip<TiPlot>();
  ExpectRoundTrip<TiXYPlot>();
}

TEST(PlotPropertiesFile, Differential_leavesOutDefaultOrdinalsWhichLoadAsDefaults) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plot.txt"));
  TiPlot saved;
  saved.SetDifferentialPropertySave(true);
  saved.SavePropertiesToFile(file);
  const QString text = QString::fromLatin1(FileBytes(file));
  EXPECT_FALSE(text.contains(QStringLiteral("Channel0.Visible")));
  EXPECT_FALSE(text.contains(QStringLiteral("Channel0.TraceLineWidth")));
  EXPECT_TRUE(text.contains(QStringLiteral("\r\nChannel0.Color = ")));  // no declared default
  EXPECT_TRUE(text.contains(QStringLiteral("\r\nXAxis0.Span = 100\r\n")));  // floats always
  EXPECT_TRUE(text.contains(QStringLiteral("\r\nChannel0.TitleText = ")));  // strings always
  TiPlot loaded;
  loaded.Master().ChannelManager().Items(0)->SetVisible(false);
  loaded.LoadPropertiesFromFile(file);
  EXPECT_TRUE(loaded.Master().ChannelManager().Items(0)->Visible());
  EXPECT_EQ(RegistryDump(loaded), RegistryDump(saved));
  // A shown data cursor is at Visible's declared default, so its line is
  // left out too, and the new cursor keeps its own start: hidden.
  saved.Master().DataCursorManager().Items(0)->SetVisible(true);
  saved.SavePropertiesToFile(file);
  EXPECT_FALSE(FileBytes(file).contains("DataCursor0.Visible"));
  loaded.LoadPropertiesFromFile(file);
  EXPECT_FALSE(loaded.Master().DataCursorManager().Items(0)->Visible());
}

TEST(PlotPropertiesFile, NumbersAndColours_inEitherSpelling) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plot.txt"));
  TiPlot plot;
  plot.SavePropertiesToFile(file);
  const QString text = QString::fromLatin1(FileBytes(file));
  EXPECT_TRUE(text.contains(QStringLiteral("\r\nBorderStyle = 2\r\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("\r\nHintsShow = 1\r\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("\r\nTitleFont.Style = 1\r\n")));  // the title is bold
  WriteBytes(file, "File Type = plot config\r\nChannelCount = 1\r\nXAxisCount = 1\r\n"
                   "Channel0.Color = -16777201\r\nXAxis0.Span = 2,5\r\nXAxis0.Min = -1.5E3\r\n"
                   "BackGroundColor = 4278190095\r\nOuterMarginLeft = 7\r\n");
  plot.LoadPropertiesFromFile(file);
  EXPECT_EQ(plot.Master().ChannelManager().ItemAs<TiPlotChannelCustom>(0)->Color(), clBtnFace);
  EXPECT_EQ(plot.XAxis(0)->Span(), 2.5);
  EXPECT_EQ(plot.XAxis(0)->Min(), -1500);
  EXPECT_EQ(plot.BackGroundColor(), clBtnFace);
  EXPECT_EQ(plot.OuterMarginLeft(), 7);
  EXPECT_EQ(plot.YAxisCount(), 0);
  EXPECT_EQ(plot.Master().ToolBarManager().Count(), 1);  // toolbars stay
  EXPECT_EQ(plot.Master().LabelManager().Count(), 1);    // and so does the title
}

TEST(PlotPropertiesFile, Sections_endAtAnotherPrefixAndLeftoversReachThePlot) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plot.txt"));
  TiPlot plot;
  WriteBytes(file, "File Type = Plot Config\r\nChannelCount = 11\r\nToolBarCount = 2\r\n"
                   "Channel0.TitleText = zero\r\nchannel0.Visible = 0\r\n"
                   "Channel1.TitleText = one\r\nChannel10.TitleText = ten\r\n"
                   "ToolBar0.ShowSelectButton = 1\r\nToolBar1.FlatButtons = 1\r\n"
                   "HintsPause = 900\r\nNoSuchThing.Height = 5\r\nNoSuchProperty = 1\r\n");
  plot.LoadPropertiesFromFile(file);
  TiPlotKindManager& channels = plot.Master().ChannelManager();
  ASSERT_EQ(channels.Count(), 11);
  EXPECT_EQ(channels.ItemAs<TiPlotChannelCustom>(0)->TitleText(), QStringLiteral("zero"));
  // "channel0." is another prefix: it ends every section; the rest reaches
  // the plot's own pass, where only HintsPause is a property.
  EXPECT_TRUE(channels.Items(0)->Visible());
  EXPECT_NE(channels.ItemAs<TiPlotChannelCustom>(1)->TitleText(), QStringLiteral("one"));
  EXPECT_NE(channels.ItemAs<TiPlotChannelCustom>(10)->TitleText(), QStringLiteral("ten"));
  EXPECT_EQ(channels.ItemAs<TiPlotChannelCustom>(10)->Color(), TColor(255));
  EXPECT_EQ(plot.HintsPause(), 900);
  EXPECT_EQ(plot.Master().ToolBarManager().Count(), 1);
}

TEST(PlotPropertiesFile, RefusedFile_changesNothing) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("bad.txt"));
  TiPlot plot;
  plot.SetAutoFrameRate(false);
  plot.Master().ChannelManager().ItemAs<TiPlotChannelCustom>(0)->AddXY(1, 2);
  plot.AddAnnotation();
  const std::string before = RegistryDump(plot);
  const QByteArray header = "File Type = Plot Config\r\n";
  const struct {
    const char* name;
    QByteArray bytes;  // empty name: no file
    const char* reason;
  } cases[] = {
      {"missing", QByteArray(), ""},
      {"empty", QByteArray(""), "Incompatible Plot Configuration File Type"},
      {"binary", QByteArray("File Type = Plot Config\r\n\x01\x02\x00\xff", 29), "binary"},
      {"no file type", "ChannelCount = 1\r\n", "Incompatible Plot Configuration File Type"},
      {"simple format", "File Type = TiPlot\r\nAutoFrameRate = 1\r\n", "Incompatible Plot Configuration File Type"},
      {"count abc", header + "ChannelCount = abc\r\n", "'abc' is not a valid integer value for ChannelCount"},
      {"count huge", header + "ChannelCount = 2000000000\r\n", "ChannelCount 2000000000 is out of range"},
      {"count negative", header + "LabelCount = -1\r\n", "LabelCount -1 is out of range"},
      {"table value", header + "TableCount = 1\r\nTable0.RowsMax = many\r\n", "Table0.RowsMax"},
      {"value", header + "ChannelCount = 1\r\nChannel0.Color = red\r\n", "Channel0.Color"},
      {"enumeration", header + "XAxisCount = 1\r\nXAxis0.ScaleType = 7\r\n", "out of range for ScaleType"},
      {"plot value", header + "HintsPause = 1.5\r\n", "HintsPause"},
      {"dotted", header + "ChannelCount = 1\r\nChannel0.Color.Height = 3\r\n", "Property Color is not an object"},
      {"long line", header + "TitleText = " + QByteArray(100 * 1024, 'a') + "\r\n", "Line 2 is too long"},
  };
  for (const auto& c : cases) {
    if (!c.bytes.isNull()) {
      WriteBytes(file, c.bytes);
    }
    const QString target = c.bytes.isNull() ? dir.filePath(QStringLiteral("none.txt")) : file;
    const QString error = ErrorOf([&] { plot.LoadPropertiesFromFile(target); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Error Loading Properties - ")))
        << c.name << ": " << error.toStdString();
    EXPECT_GT(error.size(), 27) << c.name;
    EXPECT_TRUE(error.contains(QString::fromLatin1(c.reason))) << c.name << ": " << error.toStdString();
    EXPECT_EQ(RegistryDump(plot), before) << c.name;
    EXPECT_EQ(plot.Master().ChannelManager().ItemAs<TiPlotChannelCustom>(0)->Count(), 1) << c.name;
    EXPECT_EQ(plot.AnnotationCount(), 1) << c.name;
    EXPECT_TRUE(plot.Master().LayoutManager().Enabled()) << c.name;
    EXPECT_FALSE(plot.GetUpdateActive()) << c.name;
  }
  EXPECT_EQ(ErrorOf([&] {
              WriteBytes(file, "File Type = TiPlot\r\n");
              plot.LoadPropertiesFromFile(file);
            }),
            QStringLiteral("Error Loading Properties - Incompatible Plot Configuration File Type"));
  plot.SetOuterMarginLeft(9);
  EXPECT_FALSE(plot.GetNeedsRepaint());
}

TEST(PlotPropertiesFile, FailedSave_reportsAndLeavesNoTemporaryFile) {
  QTemporaryDir dir;
  TiPlot plot;
  QDir(dir.path()).mkdir(QStringLiteral("taken"));
  for (const QString& target :
       {dir.filePath(QStringLiteral("missing/plot.txt")), dir.filePath(QStringLiteral("taken"))}) {
    const QString error = ErrorOf([&] { plot.SavePropertiesToFile(target); });
    EXPECT_TRUE(error.startsWith(QStringLiteral("Error Saving Properties - "))) << error.toStdString();
    EXPECT_GT(error.size(), 26);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"taken"});
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("taken"))).isEmpty());
  }
  EXPECT_TRUE(plot.LastPropertiesFileName().isEmpty());
}

TEST(PlotPropertiesFile, LongLines_areCutInTheCodePageWithoutSplittingACharacter) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("plot.txt"));
  TiPlot plot;
  plot.Master().ChannelManager().ItemAs<TiPlotChannelCustom>(0)->SetTitleText(QString(300, QChar(0x4E2D)));
  plot.SavePropertiesToFile(file);
  for (const QByteArray& line : FileBytes(file).split('\n')) {
    EXPECT_LE(line.size(), 256);  // 255 and the CR
  }
  plot.LoadPropertiesFromFile(file);
  const QString title = plot.Master().ChannelManager().ItemAs<TiPlotChannelCustom>(0)->TitleText();
  EXPECT_EQ(title, QString((255 - int(strlen("Channel0.TitleText = "))) / 2, QChar(0x4E2D)));
}
