#pragma once

#include "editors/filter/FilterControls.h"
#include "platform/widgets/InputTypes.h"

class FilterEditing;
class FirEditing;
struct FirDesignRecord;

/// The small FIR designer on every output page: type, window and taps
/// lists, the two cut-off track bars with their typed boxes, and the OK
/// button that charges the designed taps, stores and sends the design and
/// draws it. The settings edited wait in the window's shared pending design
/// until OK. Owned by the FIR editing, whose budget it charges. GUI thread
/// only.
class OutputFirDesigner {
public:
  OutputFirDesigner(IEditorWindow& window, FilterEditing& filters, FirEditing& fir);

  /// Binds the designer controls of every output.
  void Bind();

  void rzcFirTypeOut1Change(TObject* Sender);
  void rzcFirWinOut1Change(TObject* Sender);
  void rzcFirTapsOut1Change(TObject* Sender);
  void isFirLowCutOut1Change(TObject* Sender) { CutBarChange(Sender, true); }
  void isFirHighCutOut1Change(TObject* Sender) { CutBarChange(Sender, false); }
  void cvdFirLowCutOut1Exit(TObject* Sender);
  void cvdFirHighCutOut1Exit(TObject* Sender);
  void cvdFirLowCutOut1KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void cvdFirHighCutOut1KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void bnFirOKOut1Click(TObject* Sender);

  /// An output page comes on screen: the pending design takes type, taps
  /// index, window and cut-offs from that page's designer controls (a type
  /// list without a selection stands for a coefficient set).
  void CopyFirDesignSettings(int channel);

private:
  FirDesignRecord& Pending();
  void CutBarChange(TObject* Sender, bool lowCut);
  /// Enables the cut-off bars and boxes a design type uses: the high cut
  /// for a low pass, the low cut for a high pass, both for a band pass.
  void EnableCutControls(int channel, int type);

  FilterControls m_c;
  FilterEditing& m_filters;
  FirEditing& m_fir;
};
