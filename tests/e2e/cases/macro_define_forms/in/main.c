#define EMPTY
#define ONE 1
#define OBJ (x)
#define PAREN (x) + 1
#define FN(x) [x]
#define FN0() zero
#define FNE(x)
#define SPACE_BEFORE (y) y
#define COMMENTED /* c */ a /* d */ b /* e */
#define SPLICED a \
 b
#define TABS	a	 	b	
#define STR "a  /* not */ b"
#define CHR '"'
#define PASTE a ## b
#define FPARAMS( a , b ) a-b
#define FSPACED(x)   (  x  )   /* trailing */
EMPTY|ONE|OBJ|PAREN|FN(1)|FN0()|FNE(1)|SPACE_BEFORE|COMMENTED|SPLICED|TABS
STR|CHR|PASTE|FPARAMS(1,2)|FSPACED(3)|FN0|FN
