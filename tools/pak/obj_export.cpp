#include "obj_export.h"

#include <cstdio>

#include "mesh/model_entry.h"
#include "mesh/sub_mesh_record.h"
#include "package/byte_cursor.h"

namespace {

// Reads `count` values; the record's parser checked the array's size.
void readValues(ByteCursor& values, double* out, int count) {
    for (int i = 0; i < count; ++i) values.readF64(out[i]);
}

// "%.9g" keeps a float's worth of digits, enough for any viewer and for the
// round trip of what the show draws in single precision.
void appendLine(std::string& text, const char* tag, const double* values, int count) {
    text += tag;
    for (int i = 0; i < count; ++i) {
        char number[32];
        std::snprintf(number, sizeof number, " %.9g", values[i]);
        text += number;
    }
    text += '\n';
}

void appendColour(std::string& text, const char* tag, const float* rgba) {
    char line[96];
    std::snprintf(line, sizeof line, "%s %.6g %.6g %.6g\n", tag, rgba[0], rgba[1], rgba[2]);
    text += line;
}

void appendMaterial(std::string& mtl, int index, const SubMeshRecordView& record,
                    const std::map<std::string, std::string>& textureFiles) {
    const MaterialBlock& m = record.material;
    char line[128];
    std::snprintf(line, sizeof line, "newmtl material%d\n", index);
    mtl += line;
    appendColour(mtl, "Ka", m.ambient);
    appendColour(mtl, "Kd", m.diffuse);
    appendColour(mtl, "Ks", m.specular);
    std::snprintf(line, sizeof line, "Ns %.6g\nd %.6g\n", m.shininess * 1000.0 / 128.0, m.diffuse[3]);
    mtl += line;
    if (m.alphaTest) mtl += "# alpha-tested\n";
    if (m.transparent) mtl += "# drawn in the transparent pass\n";
    const std::string texture = record.textureName;
    const auto file = textureFiles.find(texture);
    if (file != textureFiles.end()) {
        mtl += "map_Kd " + file->second + "\n";
    } else if (!texture.empty()) {
        mtl += "# texture \"" + texture + (isProceduralTextureName(texture.c_str()) ? "\" (generated)\n" : "\"\n");
    }
    mtl += '\n';
}

}  // namespace

bool exportObj(const uint8_t* data, size_t size, const std::string& mtlFileName,
               const std::map<std::string, std::string>& textureFiles, ObjFiles& files, std::string& error,
               UpAxis up) {
    ByteCursor cursor(data, size);
    int32_t count = 0;
    if (!readModelHeader(cursor, count, error)) return false;
    files.obj = "mtllib " + mtlFileName + "\n";
    files.mtl.clear();
    int64_t corner = 0;  // OBJ numbers v, vt and vn from 1, across objects
    for (int32_t i = 0; i < count; ++i) {
        SubMeshRecordView record;
        if (!parseSubMeshRecord(cursor, record, error)) return false;
        appendMaterial(files.mtl, i, record, textureFiles);
        files.obj += "o submesh" + std::to_string(i) + "\nusemtl material" + std::to_string(i) + "\n";
        const size_t triangles = static_cast<size_t>(record.triangleCount);
        ByteCursor positions(record.positions, triangles * positionBytesPerTriangle);
        ByteCursor normals(record.normals, triangles * normalBytesPerTriangle);
        ByteCursor texCoords(record.texCoords, triangles * texCoordBytesPerTriangle);
        for (size_t c = 0; c < triangles * 3; ++c) {
            double p[3], t[2], n[3];
            readValues(positions, p, 3);
            readValues(texCoords, t, 2);
            readValues(normals, n, 3);
            fromShowFrame(p, up);
            fromShowFrame(n, up);
            t[1] = 1 - t[1];
            appendLine(files.obj, "v", p, 3);
            appendLine(files.obj, "vt", t, 2);
            appendLine(files.obj, "vn", n, 3);
        }
        for (size_t t = 0; t < triangles; ++t) {
            files.obj += 'f';
            for (int k = 1; k <= 3; ++k) {
                const std::string n = std::to_string(corner + k);
                files.obj += ' ' + n + '/' + n + '/' + n;
            }
            files.obj += '\n';
            corner += 3;
        }
    }
    return true;
}
