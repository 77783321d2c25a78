#include "scene/backdrop.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "mesh/sub_mesh.h"
#include "scene/render_hook.h"
#include "scene/scene_node.h"

namespace {

using Point = std::array<double, 3>;

Point vertexAt(const SharedVertices& geometry, uint32_t index) {
    const float* v = &geometry.vertices[index * SharedVertices::floatsPerVertex];
    return {v[0], v[1], v[2]};
}

// The point in eye space under the column-major modelview `m`.
Point toEye(const double* m, const Point& p) {
    return {m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12], m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13],
            m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14]};
}

Point difference(const Point& a, const Point& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Point cross(const Point& a, const Point& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double dot(const Point& a, const Point& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The plane through the first triangle, as a, b, c, d with a x + b y + c z + d
// >= 0 on the side of `keep`; all zero for a triangle without area.
std::array<double, 4> planeThrough(const Point (&corner)[3], const Point& keep) {
    Point normal = cross(difference(corner[1], corner[0]), difference(corner[2], corner[0]));
    const double length = std::sqrt(dot(normal, normal));
    if (length == 0) return {};
    for (double& n : normal) n /= length;
    double d = -dot(normal, corner[0]);
    if (dot(normal, keep) + d < 0) {
        for (double& n : normal) n = -n;
        d = -d;
    }
    return {normal[0], normal[1], normal[2], d};
}

}  // namespace

bool isFlatBackdrop(const SceneNode& node) {
    if (node.subMeshes.size() != 1) return false;
    const SubMesh& mesh = *node.subMeshes[0];
    const SharedVertices& geometry = mesh.geometry;
    if (mesh.material.transparent || mesh.triangleCount != 2 || geometry.indices.size() != 6) return false;
    Point corner[3];
    for (int i = 0; i < 3; ++i) corner[i] = vertexAt(geometry, geometry.indices[static_cast<size_t>(i)]);
    const std::array<double, 4> plane = planeThrough(corner, corner[0]);
    const Point normal = {plane[0], plane[1], plane[2]};
    if (normal == Point{}) return false;
    double size = 0;
    for (int i = 0; i < 3; ++i) size = std::max(size, std::sqrt(dot(corner[i], corner[i])));
    for (uint32_t index : geometry.indices) {
        if (std::fabs(dot(normal, vertexAt(geometry, index)) + plane[3]) > 1e-5 * (size + 1)) return false;
    }
    return true;
}

void hookBackdrop(int32_t phase, int32_t) {
    if (phase == BeforeMeshes) {
        glDisable(GL_DEPTH_TEST);
        return;
    }
    if (phase != AfterMeshes) return;
    glEnable(GL_DEPTH_TEST);
    if (!currentNode || currentNode->subMeshes.empty()) return;
    const SubMesh& mesh = *currentNode->subMeshes[0];
    Point corner[3];
    for (int i = 0; i < 3; ++i) {
        corner[i] = toEye(mesh.modelview, vertexAt(mesh.geometry, mesh.geometry.indices[static_cast<size_t>(i)]));
    }
    const std::array<double, 4> plane = planeThrough(corner, Point{0, 0, 0});
    // Given with the identity current, the plane is kept in eye space as it is.
    glPushMatrix();
    glLoadIdentity();
    glClipPlane(GL_CLIP_PLANE0, plane.data());
    glPopMatrix();
}

void hookClipBehindBackdrop(int32_t phase, int32_t) {
    if (phase == BeforeMeshes || phase == BeforeChild) {
        glEnable(GL_CLIP_PLANE0);
    } else {
        glDisable(GL_CLIP_PLANE0);
    }
}
