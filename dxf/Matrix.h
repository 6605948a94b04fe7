#pragma once

#include "dxf/Point3D.h"

// 4x4 transform for row vectors: p' = p * M, row 3 holds the translation, so A * B applies A first.
struct Matrix {
    double val[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};

// A null matrix pointer always stands for the identity.
using pMatrix = const Matrix*;

inline constexpr Matrix Identity{};

Matrix rotation_matrix(double c, double s);
Matrix scale_matrix(const Point3D& f);
Matrix translation_matrix(const Point3D& t);
Matrix axes_matrix(const Point3D& ax, const Point3D& ay, const Point3D& az);
Matrix matrix_mul(const Matrix& a, const Matrix& b);
// The product lives in one per-thread result matrix that the next call overwrites: use it at once.
pMatrix combine_matrices(pMatrix a, pMatrix b);
Point3D transform_point(const Matrix& m, const Point3D& p);

// Arbitrary-axis rule: the x and y axes of the object coordinate system with extrusion n.
struct OCS_Axes {
    Point3D ax;
    Point3D ay;
};
OCS_Axes ocs_axes(const Point3D& n);
