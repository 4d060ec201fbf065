#pragma once

#include <memory>
#include <vector>

#include <QPointer>
#include <QString>

#include "platform/core/TObject.h"
#include "widgets/gdiplus/TAdvGDIPPicture.h"

class TPopupMenu;

enum class TControlPosition { cpLeftInControl, cpRightInControl, cpLeft, cpRight };
/// State of one picture button (this unit's own, not the control-state set).
enum class TControlState { csNormal, csHover, csDown };

/// A small picture button in the margin of a rounded box: three pictures
/// (normal, hover, down), a hint, an optional drop-down menu and a margin
/// position. Changing the pictures, DropDown or Position lays the box out
/// again. Owned by its collection. GUI thread only.
class TCurvyControl : public TObject {
public:
  explicit TCurvyControl(TNotifyEvent changed);

  TAdvGDIPPicture& Picture() { return m_picture; }
  void SetPicture(const TAdvGDIPPicture& picture) { m_picture.Assign(&picture); }
  TAdvGDIPPicture& PictureHover() { return m_pictureHover; }
  void SetPictureHover(const TAdvGDIPPicture& picture) { m_pictureHover.Assign(&picture); }
  TAdvGDIPPicture& PictureDown() { return m_pictureDown; }
  void SetPictureDown(const TAdvGDIPPicture& picture) { m_pictureDown.Assign(&picture); }
  /// Image list pictures, shown when the item has no Picture: ImageIndex
  /// normally, ImageIndexHover / ImageIndexDown (when 0 or more) while
  /// hovered or pressed. -1 = none.
  int ImageIndex() const { return m_imageIndex; }
  void SetImageIndex(int value);
  int ImageIndexHover() const { return m_imageIndexHover; }
  void SetImageIndexHover(int value) { m_imageIndexHover = value; }
  int ImageIndexDown() const { return m_imageIndexDown; }
  void SetImageIndexDown(int value) { m_imageIndexDown = value; }
  QString Hint() const { return m_hint; }
  void SetHint(const QString& hint) { m_hint = hint; }
  bool DropDown() const { return m_dropDown; }
  void SetDropDown(bool value);
  TPopupMenu* PopupMenu() const { return m_popupMenu; }
  void SetPopupMenu(TPopupMenu* menu) { m_popupMenu = menu; }
  TControlPosition Position() const { return m_position; }
  void SetPosition(TControlPosition value);
  TControlState State() const { return m_state; }
  void SetState(TControlState state) { m_state = state; }
  /// Copies Hint, the three image indexes, Position and DropDown (not the
  /// pictures or the menu).
  void Assign(const TCurvyControl& source);
  /// The image index to show in the item's state (-1: none).
  int StateImageIndex() const;
  /// The width and height the item takes in its margin: its picture's, or
  /// without one the image list's picture size (listWidth x listHeight).
  int ItemWidth(int listWidth) const;
  int ItemHeight(int listHeight) const;

private:
  void Changed() { Raise(m_changed, this); }

  TNotifyEvent m_changed;
  int m_imageIndex = -1;
  int m_imageIndexHover = -1;
  int m_imageIndexDown = -1;
  TAdvGDIPPicture m_picture;
  TAdvGDIPPicture m_pictureHover;
  TAdvGDIPPicture m_pictureDown;
  QString m_hint;
  bool m_dropDown = false;
  TPopupMenu* m_popupMenu = nullptr;  ///< not owned
  TControlPosition m_position = TControlPosition::cpRightInControl;
  TControlState m_state = TControlState::csNormal;
};

/// The picture buttons of a rounded box and the margin sizes they take.
/// Every change of the list or of an item raises OnChange. Owns its items.
/// GUI thread only.
class TCurvyControls : public TObject {
public:
  TCurvyControl& Add();
  TCurvyControl& Insert(int index);
  void Delete(int index);
  void Clear();
  int Count() const { return int(m_items.size()); }
  TCurvyControl& Items(int index) { return *m_items.at(std::size_t(index)); }
  /// Recomputes the four margin sizes from the items.
  void UpdateSizes();
  /// The picture size of the panel's image list (0 x 0 without one).
  void SetImageListSize(int width, int height);
  int ImageListImageWidth() const { return m_imageListImageWidth; }
  int ImageListImageHeight() const { return m_imageListImageHeight; }
  int ItemWidth(int index) { return Items(index).ItemWidth(m_imageListImageWidth); }
  int ItemHeight(int index) { return Items(index).ItemHeight(m_imageListImageHeight); }
  int LeftSize() const { return m_leftSize; }
  int LeftControlSize() const { return m_leftControlSize; }
  int RightSize() const { return m_rightSize; }
  int RightControlSize() const { return m_rightControlSize; }

  TNotifyEvent OnChange;

private:
  void Update() { Raise(OnChange, this); }
  TNotifyEvent ItemChanged();

  std::vector<std::unique_ptr<TCurvyControl>> m_items;
  int m_leftSize = 0;
  int m_leftControlSize = 0;
  int m_rightSize = 0;
  int m_rightControlSize = 2;
  int m_imageListImageWidth = 0;
  int m_imageListImageHeight = 0;
};
