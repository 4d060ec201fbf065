#pragma once

#include <memory>
#include <vector>

#include <QTransform>

#include "widgets/gdiplus/TGdiplusBase.h"

/// A 3 x 2 affine matrix of the GDI+ layer (row vectors: a point is
/// multiplied from the left). Owned by its creator. GUI thread only.
class TGPMatrix : public TGdiplusBase {
public:
  TGPMatrix();
  TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy);
  /// Maps rect onto the parallelogram of dstplg[0] (top-left), dstplg[1]
  /// (top-right) and dstplg[2] (bottom-left).
  TGPMatrix(const TGPRectF& rect, const TGPPointF dstplg[3]);
  TGPMatrix(const TGPRect& rect, const TGPPoint dstplg[3]);
  /// Adopts a native matrix with a status.
  TGPMatrix(std::unique_ptr<QTransform> native, Status status);
  ~TGPMatrix() override;

  std::unique_ptr<TGPMatrix> Clone() const;
  Status GetElements(float elements[6]);
  Status SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
  float OffsetX();
  float OffsetY();
  Status Reset();
  Status Multiply(const TGPMatrix& matrix, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status Translate(float offsetX, float offsetY, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status Scale(float scaleX, float scaleY, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status Rotate(float angle, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status RotateAt(float angle, const TGPPointF& center, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status Shear(float shearX, float shearY, MatrixOrder order = MatrixOrder::MatrixOrderPrepend);
  Status Invert();
  Status TransformPoints(std::vector<TGPPointF>& points);
  Status TransformPoints(std::vector<TGPPoint>& points);
  Status TransformVectors(std::vector<TGPPointF>& points);
  Status TransformVectors(std::vector<TGPPoint>& points);
  bool IsInvertible();
  bool IsIdentity();

  QTransform* NativeMatrix() const { return m_nativeMatrix.get(); }

private:
  Status Combine(const QTransform& other, MatrixOrder order);

  std::unique_ptr<QTransform> m_nativeMatrix;
};
