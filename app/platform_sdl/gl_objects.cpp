// OpenGL compatibility context with ARB assembly programs rather than GLSL: once it has compiled
// GLSL, Mesa keeps several megabytes of compiler state (its built-in functions) for the rest of the
// run, and the assembly path needs none of it. The vertex program turns pixels into clip space.
// Two fragment programs: plain quads take their vertex colour, textured quads multiply it by their
// texture sample; a software renderer runs the sampling for every pixel of a quad, so plain quads,
// most of a board's area, skip it. Opaque plain quads are drawn without blending (their colour at
// alpha 1 blended over anything is the colour itself). A record is drawn in the order draw_order
// plans, a few draw calls rather than one per change of texture. Frames are drawn into the window's
// back buffer; the frame target, a framebuffer object with an RGBA8 colour texture blitted to the
// window, exists only while it is needed.
#include "app/platform_sdl/gl_objects.h"

#include <GL/glew.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/platform_sdl/draw_order.h"

namespace sdlbackend {

namespace {

// local[0] = (2 / width, -2 / height, -1, 1): x * 2 / width - 1 and 1 - y * 2 / height.
const char* vertexsource = R"(!!ARBvp1.0
PARAM target = program.local[0];
MAD result.position.xy, vertex.attrib[0], target, target.zwzw;
MOV result.position.zw, {0, 0, 0, 1};
MOV result.texcoord[0], vertex.attrib[1];
MOV result.color, vertex.attrib[2];
END
)";

const char* plainsource = R"(!!ARBfp1.0
MOV result.color, fragment.color;
END
)";

const char* texturedsource = R"(!!ARBfp1.0
TEMP sample;
TEX sample, fragment.texcoord[0], texture[0], 2D;
MUL result.color, fragment.color, sample;
END
)";

GLuint vertexprogram = 0, plainprogram = 0, texturedprogram = 0;
GLuint vbo = 0, ebo = 0;
GLuint framebuffer = 0, targettexture = 0;
int targetwidth = 0, targetheight = 0;
std::size_t indexedquads = 0;  // quads the index buffer covers
std::vector<GLuint> indices;
DrawPlanner planner;

[[noreturn]] void glfailure(const char* what, const char* log) {
    std::fprintf(stderr, "nubo platform: OpenGL %s failed%s%s\n", what, log ? ": " : "", log ? log : "");
    std::exit(1);
}

GLuint loadprogram(GLenum kind, const char* source) {
    GLuint id = 0;
    glGenProgramsARB(1, &id);
    glBindProgramARB(kind, id);
    glProgramStringARB(kind, GL_PROGRAM_FORMAT_ASCII_ARB, static_cast<GLsizei>(std::strlen(source)), source);
    GLint errorat = -1;
    glGetIntegerv(GL_PROGRAM_ERROR_POSITION_ARB, &errorat);
    if (errorat != -1)
        glfailure(kind == GL_VERTEX_PROGRAM_ARB ? "vertex program" : "fragment program",
                  reinterpret_cast<const char*>(glGetString(GL_PROGRAM_ERROR_STRING_ARB)));
    glEnable(kind);
    return id;
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

// The GL state batches are drawn with; only what changes from one batch to the next is set.
struct BatchState {
    bool set = false;
    bool textured = false, blended = false;
    unsigned texture = 0;
};

void drawbatch(const Batch& batch, BatchState& state) {
    bool textured = batch.kind == QuadKind::textured, blended = batch.kind != QuadKind::opaque;
    if (!state.set || textured != state.textured)
        glBindProgramARB(GL_FRAGMENT_PROGRAM_ARB, textured ? texturedprogram : plainprogram);
    if (!state.set || blended != state.blended) {
        if (blended)
            glEnable(GL_BLEND);
        else
            glDisable(GL_BLEND);
    }
    if (textured && batch.texture != state.texture) glBindTexture(GL_TEXTURE_2D, batch.texture);
    state.set = true;
    state.textured = textured, state.blended = blended;
    if (textured) state.texture = batch.texture;
    std::size_t firstindex = static_cast<std::size_t>(batch.firstquad) * 6;
    glDrawElements(GL_TRIANGLES, batch.quadcount * 6, GL_UNSIGNED_INT,
                   reinterpret_cast<void*>(firstindex * sizeof(GLuint)));
}

// The record into the bound framebuffer, which has the window's size.
void drawquads(const FrameRecord& record) {
    glViewport(0, 0, targetwidth, targetheight);
    if (record.cleared) {
        const Rgba& c = record.clearcolour;
        glClearColor(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    if (record.vertices.empty()) return;
    const DrawPlan& plan = planner.plan(record, targetwidth, targetheight);
    if (plan.vertices.empty()) return;
    glProgramLocalParameter4fARB(GL_VERTEX_PROGRAM_ARB, 0, 2.0f / static_cast<float>(targetwidth),
                                 -2.0f / static_cast<float>(targetheight), -1.0f, 1.0f);
    coverquads(plan.vertices.size() / 4);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, plan.vertices.size() * sizeof(Vertex), plan.vertices.data(), GL_STREAM_DRAW);
    BatchState state;
    for (const Batch& batch : plan.batches) drawbatch(batch, state);
}

void maketarget() {
    glGenTextures(1, &targettexture);
    glBindTexture(GL_TEXTURE_2D, targettexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, targetwidth, targetheight, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, targettexture, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        glfailure("frame target set-up", nullptr);
    glViewport(0, 0, targetwidth, targetheight);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

}  // namespace

void glsetup() {
    if (!GLEW_ARB_vertex_program || !GLEW_ARB_fragment_program)
        glfailure("set-up", "the driver offers no ARB vertex and fragment programs");
    vertexprogram = loadprogram(GL_VERTEX_PROGRAM_ARB, vertexsource);
    plainprogram = loadprogram(GL_FRAGMENT_PROGRAM_ARB, plainsource);
    texturedprogram = loadprogram(GL_FRAGMENT_PROGRAM_ARB, texturedsource);

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
    coverquads(1);

    // Alpha blending for all but opaque plain quads (switched per batch).
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glActiveTexture(GL_TEXTURE0);

    glGenFramebuffers(1, &framebuffer);
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

void settargetsize(int width, int height) {
    targetwidth = width < 1 ? 1 : width;
    targetheight = height < 1 ? 1 : height;
    if (targettexture) {
        // Deleted while its framebuffer is bound, so that the attachment lets go of its storage.
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glDeleteTextures(1, &targettexture);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    targettexture = 0;
}

void drawinwindow(const FrameRecord& record) {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    drawquads(record);
}

void drawintarget(const FrameRecord& record) {
    if (!targettexture) maketarget();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    drawquads(record);
}

void showtarget(int drawablewidth, int drawableheight) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    bool samesize = drawablewidth == targetwidth && drawableheight == targetheight;
    glBlitFramebuffer(0, 0, targetwidth, targetheight, 0, 0, drawablewidth, drawableheight,
                      GL_COLOR_BUFFER_BIT, samesize ? GL_NEAREST : GL_LINEAR);
}

}  // namespace sdlbackend
