#pragma once

#include <vector>

#include "dxf/Attrib_.h"
#include "dxf/Point_.h"

class Block_;

// Block reference: the block drawn scaled, rotated, moved to p1 and taken from the insert's OCS.
class Insert_ : public Point_ {
public:
    static constexpr int max_attribs = 16;
    // Angle rot in degrees; more than 16 attributes raise DXF_exception.
    Insert_(const Point3D& OCSaxis, const Point3D& p, const Point3D& s_f, double rot, int col,
            std::vector<std::unique_ptr<Attrib_>> atts, const std::string& block);
    const char* class_name() const override { return "Insert_"; }

    int num_attribs() const { return static_cast<int>(attribs.size()); }
    // The referenced block, looked up in the block list once; raises DXF_exception when absent.
    Block_* block();
    // Links to a block already looked up (the reader keeps an index of block names).
    void set_block_link(Entity_List* blist, Block_* b);
    // Always a matrix: scale, then rotation, then translation to p1, then the OCS.
    void init_OCS_WCS_matrix(const Point3D& OCSaxis) override;
    // Resolves the name anew in blist; the block's own members are linked by the block.
    void update_block_links(Entity_List* blist) override;
    // The block drawn with the insert's matrix followed by OCS, its members coloured "by block" in the
    // insert's colour; the attributes, which lie in the drawing's own coordinates, with OCS only. An
    // unresolved block is left out.
    void Draw(DXF_Canvas& canvas, const Map_Function& map_fn, pMatrix OCS) const override;
    // What the reference shows: the block's content where it lands, and the attributes.
    void max_min_extents(Point3D& emax, Point3D& emin) const override;
    void write_to_DXF(DXF_File& file, const std::string& layer) const override;
    std::string details() const override;

    std::vector<std::unique_ptr<Attrib_>> attribs;
    std::string blockname;
    Point3D scale{1, 1, 1};
    double rotation = 0;  // radians
    Block_* blockptr = nullptr;
    Entity_List* blocklist = nullptr;

private:
    // The cached block, or the first of that name in the block list, or null.
    Block_* lookup_block() const;
};
