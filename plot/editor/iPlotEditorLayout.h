#pragma once

// The plot editor's geometry: the form's client area, the pages' area
// inside the main page control and the object list with its Add and
// Remove buttons at the left of an object page.

constexpr int kEditorFormWidth = 576;
constexpr int kEditorFormHeight = 272;
/// A page of the main page control (its tabs and frame taken off).
constexpr int kEditorPageWidth = 568;
constexpr int kEditorPageHeight = 242;
constexpr int kEditorButtonWidth = 58;
constexpr int kEditorButtonHeight = 25;
constexpr int kEditorListLeft = 4;
constexpr int kEditorListTop = 4;
constexpr int kEditorListWidth = 120;
constexpr int kEditorButtonTop = kEditorPageHeight - 4 - kEditorButtonHeight;
constexpr int kEditorListHeight = kEditorButtonTop - 4 - kEditorListTop;
