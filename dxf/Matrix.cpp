#include "dxf/Matrix.h"

#include <cmath>

Matrix rotation_matrix(double c, double s) {
    Matrix m;
    m.val[0][0] = c;
    m.val[0][1] = -s;
    m.val[1][0] = s;
    m.val[1][1] = c;
    return m;
}

Matrix scale_matrix(const Point3D& f) {
    Matrix m;
    m.val[0][0] = f.x;
    m.val[1][1] = f.y;
    m.val[2][2] = f.z;
    return m;
}

Matrix translation_matrix(const Point3D& t) {
    Matrix m;
    m.val[3][0] = t.x;
    m.val[3][1] = t.y;
    m.val[3][2] = t.z;
    return m;
}

static void set_row(Matrix& m, int row, const Point3D& p) {
    m.val[row][0] = p.x;
    m.val[row][1] = p.y;
    m.val[row][2] = p.z;
}

Matrix axes_matrix(const Point3D& ax, const Point3D& ay, const Point3D& az) {
    Matrix m;
    set_row(m, 0, ax);
    set_row(m, 1, ay);
    set_row(m, 2, az);
    return m;
}

Matrix matrix_mul(const Matrix& a, const Matrix& b) {
    Matrix c;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += a.val[i][k] * b.val[k][j];
            c.val[i][j] = sum;
        }
    }
    return c;
}

pMatrix combine_matrices(pMatrix a, pMatrix b) {
    if (b == nullptr) return a;
    if (a == nullptr) return b;
    thread_local Matrix result;
    result = matrix_mul(*a, *b);
    return &result;
}

Point3D transform_point(const Matrix& m, const Point3D& p) {
    const auto& v = m.val;
    return {p.x * v[0][0] + p.y * v[1][0] + p.z * v[2][0] + v[3][0],
            p.x * v[0][1] + p.y * v[1][1] + p.z * v[2][1] + v[3][1],
            p.x * v[0][2] + p.y * v[1][2] + p.z * v[2][2] + v[3][2]};
}

OCS_Axes ocs_axes(const Point3D& n) {
    constexpr double threshold = 1.0 / 64;
    const Point3D& reference = (std::fabs(n.x) < threshold && std::fabs(n.y) < threshold) ? WCS_Y : WCS_Z;
    const Point3D ax = normalize(cross_product(reference, n));
    return {ax, normalize(cross_product(n, ax))};
}
