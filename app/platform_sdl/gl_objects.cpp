// OpenGL 3.3 core: the program multiplies each vertex colour by its texture sample (or by white for
// plain quads); the frame target is a framebuffer object with an RGBA8 colour texture, blitted to
// the window at each shown frame, so that what is drawn stays until the next clear.
#include "app/platform_sdl/gl_objects.h"

#include <GL/glew.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace sdlbackend {

namespace {

const char* vertexsource = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texcoord;
layout(location = 2) in vec4 colour;
layout(location = 3) in float textured;
uniform vec2 targetsize;
out vec2 fragtexcoord;
out vec4 fragcolour;
out float fragtextured;
void main() {
    fragtexcoord = texcoord;
    fragcolour = colour;
    fragtextured = textured;
    gl_Position = vec4(position.x * 2.0 / targetsize.x - 1.0, 1.0 - position.y * 2.0 / targetsize.y, 0.0, 1.0);
}
)";

const char* fragmentsource = R"(#version 330 core
in vec2 fragtexcoord;
in vec4 fragcolour;
in float fragtextured;
uniform sampler2D picture;
out vec4 result;
void main() {
    result = fragcolour * mix(vec4(1.0), texture(picture, fragtexcoord), fragtextured);
}
)";

GLuint program = 0, vao = 0, vbo = 0, ebo = 0, white = 0;
GLint sizeuniform = -1;
GLuint framebuffer = 0, targettexture = 0;
int targetwidth = 0, targetheight = 0;
std::size_t indexedquads = 0;  // quads the index buffer covers
std::vector<GLuint> indices;

[[noreturn]] void glfailure(const char* what, const char* log) {
    std::fprintf(stderr, "nubo platform: OpenGL %s failed%s%s\n", what, log ? ": " : "", log ? log : "");
    std::exit(1);
}

GLuint compile(GLenum kind, const char* source) {
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        glfailure("shader compilation", log);
    }
    return shader;
}

// Quads are drawn as two triangles each from a shared index list that grows when a frame holds
// more quads than ever before.
void coverquads(std::size_t quads) {
    if (quads <= indexedquads) return;
    std::size_t n = indexedquads ? indexedquads : 4096;
    while (n < quads) n *= 2;
    indices.resize(n * 6);
    for (std::size_t q = 0; q < n; q++) {
        GLuint v = static_cast<GLuint>(q * 4);
        GLuint* i = &indices[q * 6];
        i[0] = v, i[1] = v + 1, i[2] = v + 2, i[3] = v, i[4] = v + 2, i[5] = v + 3;
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ebo);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indices.size() * sizeof(GLuint), indices.data(), GL_STATIC_DRAW);
    indexedquads = n;
    std::vector<GLuint>().swap(indices);
}

}  // namespace

void glsetup() {
    program = glCreateProgram();
    GLuint vs = compile(GL_VERTEX_SHADER, vertexsource), fs = compile(GL_FRAGMENT_SHADER, fragmentsource);
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        char log[1024] = {};
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        glfailure("shader linking", log);
    }
    glDeleteShader(vs);
    glDeleteShader(fs);
    glUseProgram(program);
    sizeuniform = glGetUniformLocation(program, "targetsize");
    glUniform1i(glGetUniformLocation(program, "picture"), 0);

    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glGenBuffers(1, &ebo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ebo);
    const GLsizei stride = sizeof(Vertex);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, x)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, u)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, reinterpret_cast<void*>(offsetof(Vertex, colour)));
    glEnableVertexAttribArray(3);
    glVertexAttribPointer(3, 1, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, textured)));
    coverquads(1);

    const unsigned char opaquewhite[4] = {255, 255, 255, 255};
    white = maketexture(opaquewhite, 1, 1);

    // Alpha blending always: with alpha 1 and opaque pixels it is the same as drawing solid.
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glActiveTexture(GL_TEXTURE0);

    glGenFramebuffers(1, &framebuffer);
    glGenTextures(1, &targettexture);
}

unsigned maketexture(const unsigned char* rgba, int width, int height) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return texture;
}

void resizetarget(int width, int height) {
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    targetwidth = width, targetheight = height;
    glBindTexture(GL_TEXTURE_2D, targettexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, targettexture, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        glfailure("frame target set-up", nullptr);
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

void drawrecord(const FrameRecord& record) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glViewport(0, 0, targetwidth, targetheight);
    if (record.cleared) {
        const Rgba& c = record.clearcolour;
        glClearColor(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (record.vertices.empty()) return;
    glUseProgram(program);
    glUniform2f(sizeuniform, static_cast<float>(targetwidth), static_cast<float>(targetheight));
    glBindVertexArray(vao);
    coverquads(static_cast<std::size_t>(record.quadcount()));
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, record.vertices.size() * sizeof(Vertex), record.vertices.data(), GL_STREAM_DRAW);
    for (const Run& run : record.runs) {
        if (run.vertexcount == 0) continue;
        glBindTexture(GL_TEXTURE_2D, run.texture ? run.texture : white);
        std::size_t firstindex = static_cast<std::size_t>(run.firstvertex) / 4 * 6;
        glDrawElements(GL_TRIANGLES, run.vertexcount / 4 * 6, GL_UNSIGNED_INT,
                       reinterpret_cast<void*>(firstindex * sizeof(GLuint)));
    }
}

void presenttarget(int drawablewidth, int drawableheight) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    bool samesize = drawablewidth == targetwidth && drawableheight == targetheight;
    glBlitFramebuffer(0, 0, targetwidth, targetheight, 0, 0, drawablewidth, drawableheight,
                      GL_COLOR_BUFFER_BIT, samesize ? GL_NEAREST : GL_LINEAR);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

}  // namespace sdlbackend
