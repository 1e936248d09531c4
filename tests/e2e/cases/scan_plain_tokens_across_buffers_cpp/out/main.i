/* main.cpp 1: */
/* main.cpp 2: */'c'  >>= 1.5	:  %  1u <<4e5 .5 < >= 
/* main.cpp 3: */+=3	class  
/* main.cpp 4: */,   !4e5  ||	[  += * 
/* main.cpp 5: */+= a.*b  0x123456789  try	... . catch
/* main.cpp 6: */L"ws"  123456789!||0 9
/* main.cpp 7: */9  0; -=/% ++    %12L 12L )*  
/* main.cpp 8: */-= 0<<= -  - 1.5	this  077 ++.5 x 1 12	^=  
/* main.cpp 9: */123456789  
/* main.cpp 10: */__try
/* main.cpp 11: */+= x::y	
/* main.cpp 12: */x12 ;x=1; .* 9 this! :: w  
/* main.cpp 13: */->* 12 ;	-=  0x7fffffff  1u >> +  {	<  Lname  >  >=  
/* main.cpp 14: */"s" defined	||	123456789  -	4e5 1u  4e5 L'w'!  . 1	1e+10f (2)==  (2)<= 0 0x123456789  this 
/* main.cpp 15: */::	
/* main.cpp 16: */--   &&  !  1.5 
/* main.cpp 17: */4e5   ~	9^=	123456789+
/* main.cpp 18: */) ( LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 % >>=... "s";	alpha_beta_gamma_delta||	
/* main.cpp 19: */x)	1e+10f  
/* main.cpp 20: */_asm_not L'w'  ->*	<<= <<= 4e5  [,/++  >> <=  0; L"ws"  {1234567890	;  x  q  a->*b	
/* main.cpp 21: */xs.x 
/* main.cpp 22: */x-  x(2) )	int ;  s.*p  - ( try  +  0x123456789  >>=	x=1;
/* main.cpp 23: */-   
/* main.cpp 24: */catch++
/* main.cpp 25: */
/* main.cpp 26: */L'w' 1 0x123456789  !  &
/* main.cpp 27: */ & 	 :
/* main.cpp 28: */ :	1-- >} 
/* main.cpp 29: */ab 0;1   catch 
/* main.cpp 30: */&
/* main.cpp 31: */ &'c' 1.5&
/* main.cpp 32: */ &	/[ ~9 defined 1e+10f  f(1,2)< ] ~ % f(1,2):
/* main.cpp 33: */-  -33 077	123456789  , .  :
/* main.cpp 34: */ : z(2)L"ws"	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  L"ws" 
/* main.cpp 35: */+	::<<9
/* main.cpp 36: */x!=	&&,0x7fffffff 36	0x123456789  class; &
/* main.cpp 37: */ & % ||  q -> 
/* main.cpp 38: */
/* main.cpp 39: */1	L"ws"  	 077  -> 
/* main.cpp 40: */ab  ~  == -> >=  int  ] --  z(2)this += !=--
/* main.cpp 41: */x	int 'c'{ >  ; z(2) ;   41 ; alpha_beta_gamma_delta 
/* main.cpp 42: */ab   
/* main.cpp 43: */<  <  1 )>  >=/  >  
/* main.cpp 44: */[ catch .5 ^=  <  <	- / :: <	*a->*b|| ? +  &&->*  
/* main.cpp 45: */0x7fffffff	s.x }  1234567890 :
/* main.cpp 46: */ :  s.*p>  "s"4e5  %  : , += 1  
/* main.cpp 47: */+=  077	12	(	 >>=w	
/* main.cpp 48: */
/* main.cpp 49: */->*  :  L"ws" w/ s.*p ! 12L	alpha_beta_gamma_delta  0x7fffffff 123456789 1 'c'  z(2)  077 >	::"s"  x  
/* main.cpp 50: */<  <	++  class +try  "s" "s"L"ws"	_asm_not(>a->*b 9  
/* main.cpp 51: */~	;-+  ^=-  .5  >	 51  !	<<=	s.*p <  <:
/* main.cpp 52: */ :/ 
/* main.cpp 53: */x ] - alpha_beta_gamma_delta x=1;  --q 0x7fffffff)  int-
/* main.cpp 54: */ >alpha_beta_gamma_delta a->*b	
/* main.cpp 55: */1u	s.x  123456789 "s"  [	L'w' 9
/* main.cpp 56: */9  
/* main.cpp 57: */,  ->*  L'w' -  -  -
/* main.cpp 58: */ >  !  defined defined
/* main.cpp 59: */s.x	+=	^=.5 +^= ++	[ int  
/* main.cpp 60: */x;  123456789]	(  12* /int  
/* main.cpp 61: */
/* main.cpp 62: */] &
/* main.cpp 63: */ &	) ^={ ;	?>>=catch  w ~ 63  q  9<=  63 ;
/* main.cpp 64: */
/* main.cpp 65: */
/* main.cpp 66: */
/* main.cpp 67: */
/* main.cpp 68: */
/* main.cpp 69: */
/* main.cpp 70: */
/* main.cpp 71: */
/* main.cpp 72: */
/* main.cpp 73: */
/* main.cpp 74: */
/* main.cpp 75: */
/* main.cpp 76: */
/* main.cpp 77: */
/* main.cpp 78: */
/* main.cpp 79: */
/* main.cpp 80: */
/* main.cpp 81: */
/* main.cpp 82: */ "s"  ] 12  4e5 a	int  "s" >>= +	-
/* main.cpp 83: */ > 4e5 4e5 __try  <<  L'w'this	
/* main.cpp 84: */<<=  /  (2)  1e+10f 'c' 1u ( :: 1234567890	/ <<=	"s"1.5++
/* main.cpp 85: */
/* main.cpp 86: */1e+10f&& << 1234567890  <<=:
/* main.cpp 87: */ : <=  
/* main.cpp 88: */
/* main.cpp 89: */,a.*b L'w'  w  ,  -- -  s.x	int
/* main.cpp 90: */
/* main.cpp 91: */q
/* main.cpp 92: */
/* main.cpp 93: */0;	[  -=	== -
/* main.cpp 94: */ >(  12 0x123456789&&	L"ws" 94 9
/* main.cpp 95: */9 (2) class/ defined 12 !=  <	0; w <<+=  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.cpp 96: */---
/* main.cpp 97: */ > 123456789 4e5  .	>=  defined   
/* main.cpp 98: */&&; q try  'c'  __try!=--  >>=  >> -  -  - <  <]	? %  L"ws" 9
/* main.cpp 99: */9 :class &
/* main.cpp 100: */ &
/* main.cpp 101: */
/* main.cpp 102: */q
/* main.cpp 103: */
/* main.cpp 104: */-- a.*b	^= .
/* main.cpp 105: */
/* main.cpp 106: */q
/* main.cpp 107: */
/* main.cpp 108: */0(2)1<=	
/* main.cpp 109: */<	 <=  0; 0;1u .5  0x7fffffff + 0x7fffffff<  < --++->*0<<=	try	,-=	->*	->*?  
/* main.cpp 110: */
/* main.cpp 111: */q
/* main.cpp 112: */
/* main.cpp 113: */f(1,2),!= 'c' *	... 0x7fffffff-
/* main.cpp 114: */ >q,>Lname  
/* main.cpp 115: */.5  +  
/* main.cpp 116: */||  1
/* main.cpp 117: */
/* main.cpp 118: */"s" %  ++.*  int	? 
/* main.cpp 119: */
/* main.cpp 120: */ab L"ws" >>= -> 
/* main.cpp 121: */
/* main.cpp 122: */q
/* main.cpp 123: */
/* main.cpp 124: */x=1;defined(  defined>>a.*b	::	::  ->* <  <  1234567890	_asm_not  (2)'c'!= >>  
/* main.cpp 125: */-=	++ .5  )  9  int	  catch 077 9  
/* main.cpp 126: */+=^= 'c'  --  >>= >  >= ||f(1,2)... q==  1  
/* main.cpp 127: */L"ws" :: 
/* main.cpp 128: */x=1;	!= 1.5	4e5  
/* main.cpp 129: */Lname  1u a->*b /}  .*  try 0x123456789  && .*  ==  12  a.*b LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	,123456789 x 1234567890  ,077	{  ]'c'
/* main.cpp 130: */>  >= defined 
/* main.cpp 131: */>=	
/* main.cpp 132: */
/* main.cpp 133: */12L	0^= &
/* main.cpp 134: */ & 
/* main.cpp 135: */%1	<<	-
/* main.cpp 136: */ >f(1,2) 1.5     <<=  a->*b<<  <<1e+10f .*  < 
/* main.cpp 137: */L'w' <<	x  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<
/* main.cpp 138: */+= 'c'  != <=  >  >= -  -  &&	1234567890 q q	
/* main.cpp 139: */077 (  (2)  >>= q  {	++ 'c' 12L *s.*p   
/* main.cpp 140: */(	->*( class 9  { 
/* main.cpp 141: */
/* main.cpp 142: */q
/* main.cpp 143: */
/* main.cpp 144: */:+= :   "s" this !=1u a->*b	L'w'   144>>= a->*b this . 
/* main.cpp 145: */int	:
/* main.cpp 146: */ :
/* main.cpp 147: */ab >>= +=;  <-  -  "s"	/ 0x123456789  --x=1;  alpha_beta_gamma_delta  
/* main.cpp 148: */x/	*  'c'	==	...  this-
/* main.cpp 149: */ >--	||! (.5 -
/* main.cpp 150: */ >	a 4e5 
/* main.cpp 151: */>  >=	<<= a 4e5  ,<<=  >>		  1.5 0x123456789  += 
/* main.cpp 152: */<  <  ==  a.*b  -  q a	this 
/* main.cpp 153: */>>= >  >=||->* L"ws"  f(1,2)/ 
/* main.cpp 154: */
/* main.cpp 155: */4e5  x=1;  ++: ,this +  >>=	1e+10f  4e5	~
/* main.cpp 156: */{  >=  } ||/	L"ws"  x=1;  <<	1234567890  1234567890 L"ws"  
/* main.cpp 157: */xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.cpp 158: */==  a !=158  /
/* main.cpp 159: */>  >=  ->  -  - 0; L"ws" Lname >>=	<->*  
/* main.cpp 160: */0	,"s"	== 1.5 
/* main.cpp 161: */::z(2) <<=  /	-  -
/* main.cpp 162: */+= >>= ==  ^=  12L  
/* main.cpp 163: */int 9
/* main.cpp 164: */9 1 077 s.x z(2) ->== this/  
/* main.cpp 165: */ab int  	 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1?  -
/* main.cpp 166: */ >  || 
/* main.cpp 167: */<<= 
/* main.cpp 168: */&&  %  (2) 9  :
/* main.cpp 169: */ : %  x 1u w  w s.*p ++_asm_not 9
/* main.cpp 170: */9 a .  }  -  - 
/* main.cpp 171: */++	-
/* main.cpp 172: */ > &&~ 
/* main.cpp 173: */1e+10f +=	a  f(1,2)
/* main.cpp 174: */12 >> alpha_beta_gamma_delta 123456789 try	 
/* main.cpp 175: */this 12L !=  : f(1,2)a  12  ==  	 >> 
/* main.cpp 176: */
/* main.cpp 177: */x::y  try ?  1234567890-.* 1u  
/* main.cpp 178: */ab class 0;  &
/* main.cpp 179: */ &  4e5 w a  123456789 x  int  12~  
/* main.cpp 180: */x<<= <  <	1u  ! 
/* main.cpp 181: */. class this s.*p  -
/* main.cpp 182: */ ><< LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  %
/* main.cpp 183: */ab this(, 
/* main.cpp 184: */
/* main.cpp 185: */ab	{q  <  <	"s"<<  += .5 __try	; __try&&  a->*b <= ->  int
/* main.cpp 186: */xx::y <  <  ::  } __try 9
/* main.cpp 187: */9
/* main.cpp 188: */
/* main.cpp 189: */}	|| LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  a  <=  :
/* main.cpp 190: */ : 0 
/* main.cpp 191: */:
/* main.cpp 192: */ : x 1.5 123456789 Lname f(1,2)	.  
/* main.cpp 193: */xz(2)  'c'<< <  <  <  < % 
/* main.cpp 194: */
/* main.cpp 195: */q
/* main.cpp 196: */
/* main.cpp 197: */->* ~0;||	^=:   :
/* main.cpp 198: */ : 123456789 /  
/* main.cpp 199: */+= <<=
/* main.cpp 200: */) .5 9 
/* main.cpp 201: */0;    _asm_not ->* -
/* main.cpp 202: */ >	*  >= :: <<= 
/* main.cpp 203: */203'c'	12L  ->*  ,  >  >=  ; + try  
/* main.cpp 204: */
/* main.cpp 205: */q
/* main.cpp 206: */
/* main.cpp 207: */12  <  ~ > w 207 alpha_beta_gamma_delta 
/* main.cpp 208: */+=	this {
/* main.cpp 209: */209 .5} %/ (2) 123456789 ++
/* main.cpp 210: */ab x=1;)1234567890 9  0x7fffffff/>= s.*p < -  %  ==  -=__try 
/* main.cpp 211: */->   -  -try 
/* main.cpp 212: */
/* main.cpp 213: */-=	z(2)  . 
/* main.cpp 214: */Lname (>  >=  .5 -=  s.x  --  1u  > 214 <	
/* main.cpp 215: */defined <<=   
/* main.cpp 216: */int  x >  >=	->*  &&	0x123456789 >= 0x7fffffff catch  {&& !=	!= < &
/* main.cpp 217: */ &12L L"ws"L"ws" 'c' , 1234567890 -= 
/* main.cpp 218: */1.5 *[ 12+= ::== 0x123456789 alpha_beta_gamma_delta 
/* main.cpp 219: */, ... <= 12L ->
/* main.cpp 220: */
/* main.cpp 221: */0; this (	>>=  (2) Lname<  <  <= >>=0x123456789 this ] catch  
/* main.cpp 222: */(  -> .  12L <=  x::y this%||	x=1;	^= defined(2)4e5 : 
/* main.cpp 223: */< -- 4e5	>s.*p  /  f(1,2)>  >= L"ws" ++  4e5  :a->*b (2)>=  .5	: 1	077 077 
/* main.cpp 224: */
/* main.cpp 225: */q
/* main.cpp 226: */
/* main.cpp 227: */0x7fffffff  <=  defined  catch	->*int	Lname int< ^=(2)  )->*		! ... 12L __try||  
/* main.cpp 228: */x4e5 -f(1,2)
/* main.cpp 229: */a->*b LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -
/* main.cpp 230: */ >  * >  >=	this  %.5  , this:  +=catch 
/* main.cpp 231: */0 .*w  != 
/* main.cpp 232: */
/* main.cpp 233: */q
/* main.cpp 234: */
/* main.cpp 235: */-  -}  (2)	q  &&"s"  { 1.5 q >>=  >>= L'w' 
/* main.cpp 236: */+=?  . <= <  < +=class  L'w'  
/* main.cpp 237: */class s.x	<  ,  >  >=  ? , == 4e5 q 077 .5	
/* main.cpp 238: */
/* main.cpp 239: */>= <<  12 ?	+) ->
/* main.cpp 240: */ab z(2) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 x::y  
/* main.cpp 241: */+=  ->*	
/* main.cpp 242: */-
/* main.cpp 243: */ > 
/* main.cpp 244: */
/* main.cpp 245: */q
/* main.cpp 246: */
/* main.cpp 247: */this!= 
/* main.cpp 248: */ab  "s"  >> class +=  248--  "s"0x7fffffff"s" .5 1234567890>  >=
/* main.cpp 249: */0  4e5 s.*p  1234567890 
/* main.cpp 250: */::  a.*b .*  ... !  1  w -  -	 -=  
/* main.cpp 251: */
/* main.cpp 252: */q
/* main.cpp 253: */
/* main.cpp 254: */x >(	a) 
/* main.cpp 255: */9
/* main.cpp 256: */9  . Lname  >>=<	12  ? ::  >  >=) 077 
/* main.cpp 257: */
/* main.cpp 258: */0x123456789  >->*  258	__try	try 1e+10f  -- == 1.5	||  * (  123456789++= >>=	.  
/* main.cpp 259: */x<<= 		!f(1,2)  defined this )	>> <<  4e5 077 ...  z(2) Lname L"ws"  }	==  
/* main.cpp 260: */try  << >>
/* main.cpp 261: */ab	0x123456789 s.*p  != -=	&
/* main.cpp 262: */ &  .*  
/* main.cpp 263: */
/* main.cpp 264: */q
/* main.cpp 265: */
/* main.cpp 266: */>>= w >=_asm_not] 
/* main.cpp 267: */<  <	123456789 1234567890<<= int 1234567890>=  z(2)  ::<<	-   >  >=  ...	<=  class  
/* main.cpp 268: */catch(2)
/* main.cpp 269: */1 >=/  >> x=1;  s.*p 
/* main.cpp 270: */
/* main.cpp 271: */::1.5 1234567890 q /  << >  >=  <=  ]	<<= 9  class  (2)  +=  &&+->* a->*b	
/* main.cpp 272: */_asm_not  : a.*b	
/* main.cpp 273: */--  *.5 <  class	
/* main.cpp 274: */
/* main.cpp 275: */
/* main.cpp 276: */ab this	'c'	-> 0x7fffffff : alpha_beta_gamma_delta:
/* main.cpp 277: */ :  
/* main.cpp 278: */
/* main.cpp 279: */0 ++  } +=	== ?	- 1u:
/* main.cpp 280: */ :  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 )[12L q>=	== 1.5 'c'  
/* main.cpp 281: */0x123456789 <<  ->(	]  "s" >>=	(2) 281 1u->*  +alpha_beta_gamma_delta a.*b __try alpha_beta_gamma_delta int defined	] "s"	++ 
/* main.cpp 282: */< try  ,  ,  f(1,2) defined s.*p 0; !=  x::y >>= 1*	}-
/* main.cpp 283: */ > 12L    ->* 9	
/* main.cpp 284: */
/* main.cpp 285: */"s" ::	077	.5   defined  s.x-  -  1.5  
/* main.cpp 286: */
/* main.cpp 287: */q
/* main.cpp 288: */
/* main.cpp 289: */==  <<  +=4e5 "s" __try 
/* main.cpp 290: */>  >=		12L  'c') ||LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	==<  ) --	1  int %  1e+10f 
/* main.cpp 291: */[)-= 12 %.* 
/* main.cpp 292: */
/* main.cpp 293: */q
/* main.cpp 294: */
/* main.cpp 295: */12L	a.*b ^= )z(2) >= __try	.5 %_asm_not ||  )  0x123456789  ;  ~ 9} z(2) 0x123456789  [  <<=  . 1  >>  
/* main.cpp 296: */+	0;  alpha_beta_gamma_delta (  }
/* main.cpp 297: */(2)].5  
/* main.cpp 298: */
/* main.cpp 299: */x99 .*  123456789 9	0;  s.*p :	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 == }0x123456789}[  <=defined 12 
/* main.cpp 300: */1234567890  .  077  >>= :
/* main.cpp 301: */ :  .5||  a  a.*b->*?	&&<< >4e5 
/* main.cpp 302: */}  ->  0 a.*b 12	12	0x7fffffff -- (2) "s"  /  x=1;12 a->*b defined  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 s.x  1234567890 	L'w'  L"ws" ==&
/* main.cpp 303: */ &  
/* main.cpp 304: */x::y f(1,2)class  1.5	defined  
/* main.cpp 305: */
/* main.cpp 306: */q
/* main.cpp 307: */
/* main.cpp 308: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (2)==s.*p class  try ; . 308, 123456789 
/* main.cpp 309: */ab __try > 
/* main.cpp 310: */"s"  >  >= 
/* main.cpp 311: */+=	"s")-
/* main.cpp 312: */ > s.*p	a.*b<<  ^= 12++  f(1,2)  "s"  
/* main.cpp 313: */-
/* main.cpp 314: */ >  ||  ==defined w  x::y!= 'c' && <= -
/* main.cpp 315: */ > s.*p  -  - ,this
/* main.cpp 316: */x+ ; . _asm_not->&
/* main.cpp 317: */ & 'c'  %  % [ ^= class 	 ^=  [ }	L'w'  (<<= %	1u >>  
/* main.cpp 318: */x: ->( 12 
/* main.cpp 319: */+= ]	a.*b-  -  12L'c'	{ 0x7fffffff 
/* main.cpp 320: */<=  /  }  L"ws"  [ w / * +=	<<  4e5	x=1;1.5++ ||
/* main.cpp 321: */(2) ->*  
/* main.cpp 322: */ab  
/* main.cpp 323: */w  
/* main.cpp 324: */ab ... this 1.5  try!= 
/* main.cpp 325: */
/* main.cpp 326: */q
/* main.cpp 327: */
/* main.cpp 328: */(	x  L"ws"  . 12~	class	>  >=  >  >=	-=  0	
/* main.cpp 329: */
/* main.cpp 330: */> || /-   ->,0x7fffffff 0;9
/* main.cpp 331: */9 12 1u .5  alpha_beta_gamma_delta-0 +	&&  	 a->*b  
/* main.cpp 332: */x~.5 .*x alpha_beta_gamma_delta  w  w  !q <= <<  ->	++__try }	? 0x123456789  try	; x::y	
/* main.cpp 333: */
/* main.cpp 334: */q
/* main.cpp 335: */
/* main.cpp 336: */q 12	a->*b  0x7fffffff]  -
/* main.cpp 337: */ >  
/* main.cpp 338: */} ? -=	
/* main.cpp 339: */+= ->* {  >= s.x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  --catch~  
/* main.cpp 340: */
/* main.cpp 341: */class x::y ^=_asm_not . -
/* main.cpp 342: */ >->
/* main.cpp 343: */
/* main.cpp 344: */q
/* main.cpp 345: */
/* main.cpp 346: */1  int s.*p&
/* main.cpp 347: */ & a->*b w "s"-  -9
/* main.cpp 348: */9	-- defined(2) L"ws" * 077  
/* main.cpp 349: */9	9
/* main.cpp 350: */9 "s"  z(2) (2)9
/* main.cpp 351: */9  Lname  1  
/* main.cpp 352: */;  --= int  *  
/* main.cpp 353: */x<1.5 0x123456789 :: try
/* main.cpp 354: */1	- L"ws" catch 0x123456789 --  1.5 x=1;class	x "s" a->*b -=[	, 
/* main.cpp 355: */+=%  .* && >>=
/* main.cpp 356: */% this 9
/* main.cpp 357: */9 >>  a.*b try  1e+10f  
/* main.cpp 358: */
/* main.cpp 359: */359 }  )  += >= s.x]   a->*b> {f(1,2)  &
/* main.cpp 360: */ & ;alpha_beta_gamma_delta 0x123456789^= f(1,2)	
/* main.cpp 361: */xz(2)	s.*p 361 <  <9
/* main.cpp 362: */9	_asm_not 12  L"ws"  077 z(2) * ^=	-  - (  == 
/* main.cpp 363: */,  q .*4e5 .* 
/* main.cpp 364: */"s" 
/* main.cpp 365: */+=   
/* main.cpp 366: */L"ws"-  -  defined 4e5 w  catch x::y -=-	:: ? ] +  >> _asm_not 366[,	++  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  /  
/* main.cpp 367: */<  <0;'c'  
/* main.cpp 368: */
/* main.cpp 369: */s.*p 4e5 a.*b  -&&*... , +{  int a __try alpha_beta_gamma_delta 12L L'w' ,1234567890!= 
/* main.cpp 370: */++ >>x	!= 4e5 0 { :	1234567890	 077  (~{  
/* main.cpp 371: */->*^= ...   <= }0x123456789	.5"s"  1e+10f alpha_beta_gamma_delta  L"ws"  += >=  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{ x	->*  
/* main.cpp 372: */12L/  0x7fffffff catch  
/* main.cpp 373: */ab  +  12L  1e+10f ...  a.*b  ||1e+10f  1e+10f -  -   -  -  ->*   
/* main.cpp 374: */-=->*:
/* main.cpp 375: */ :L'w' alpha_beta_gamma_delta try	123456789 123456789  __try  <<= +===	12 L'w' __try * ... x a->*b  12 a
/* main.cpp 376: */?	
/* main.cpp 377: */9 :
/* main.cpp 378: */ :<  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1%1u 9
/* main.cpp 379: */9  ; >;	1u	>>  ==  } 0x123456789 ++ 
/* main.cpp 380: */== 12	: f(1,2)  -= &
/* main.cpp 381: */ &  
/* main.cpp 382: */
/* main.cpp 383: */q
/* main.cpp 384: */
/* main.cpp 385: */++1.5 . 
/* main.cpp 386: */a 9  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >> } !	++ 9
/* main.cpp 387: */9 0;  ->>++ ->* 077	12L q  /
/* main.cpp 388: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1+= ::	{LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  ~	s.*p  0x123456789  z(2):) 
/* main.cpp 389: */L"ws"
/* main.cpp 390: */*  { --  alpha_beta_gamma_delta  {catch 1234567890	s.x<<= ^= <<= &&	}	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  <<=	
/* main.cpp 391: */-  -	/&& 0x123456789!  << ->*	
/* main.cpp 392: */: &
/* main.cpp 393: */ &
/* main.cpp 394: */+= -> / x>=   <<=  ->* 
/* main.cpp 395: */__try __try  ,s.x  ||  % -  w  *	(2)  'c'  
/* main.cpp 396: */+=  ... *"s"  ?defined 0x123456789
/* main.cpp 397: */>= 
/* main.cpp 398: */x "s"	'c' .*  0x7fffffff 0x123456789	077  *  1e+10f a 12  .5  ... 398 >> >=  
/* main.cpp 399: */]  399  	  .	1234567890	>> , %  >  >=   <<=+class	try: 0x123456789   
/* main.cpp 400: */w	/ (2) 
/* main.cpp 401: */+=	1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	401 0  != ,->*  %1u this  }>  >=  
/* main.cpp 402: */0 12 9 -
/* main.cpp 403: */ >--  1.5  + x=1;>>	s.x  q
/* main.cpp 404: */+=-> 
/* main.cpp 405: */__try->*4e5  ?  4e5  ...>>=
/* main.cpp 406: */
/* main.cpp 407: */q
/* main.cpp 408: */
/* main.cpp 409: */0x123456789	this s.x 1234567890 <<=( a->*b .5 1	:int L"ws"	12  this ::s.x <=s.*p<  <  
/* main.cpp 410: *//	
/* main.cpp 411: */
/* main.cpp 412: */q
/* main.cpp 413: */
/* main.cpp 414: */&
/* main.cpp 415: */ &0	"s"	 
/* main.cpp 416: */... ( (<  -
/* main.cpp 417: */ >_asm_not w 0  "s" (2)- _asm_not  ^=	alpha_beta_gamma_delta . ~int +  this  >> 4e5	a->*b defined
/* main.cpp 418: */.* ) >=>>  ^=(2)0x123456789  <<"s" ,  :: a.*b  -= int
/* main.cpp 419: */
/* main.cpp 420: */x	)/ 'c' > _asm_not  __try  +<<= 123456789	<< (2)  1u?::	:: ; <  < 
/* main.cpp 421: */s.x 1.5	->*  
/* main.cpp 422: */.5 ++  0;a -  1 1u 422>=   w  4e5  
/* main.cpp 423: */
/* main.cpp 424: */q
/* main.cpp 425: */
/* main.cpp 426: */a->*b	9 0	< _asm_not +=-
/* main.cpp 427: */ >	
/* main.cpp 428: */
/* main.cpp 429: */<= ++  x=1;	a	s.x
/* main.cpp 430: */+=] -z(2) x::y 12L"s" x 1u  : 
/* main.cpp 431: */ab )  	&
/* main.cpp 432: */ &	f(1,2) __try	 1.5	
/* main.cpp 433: */
/* main.cpp 434: */1234567890
/* main.cpp 435: */
/* main.cpp 436: */
/* main.cpp 437: */077	9	::  -
/* main.cpp 438: */ > x ?   
/* main.cpp 439: */_asm_not)  try	a.*b 
/* main.cpp 440: */
/* main.cpp 441: */:
/* main.cpp 442: */ : defined try  x=1;  s.*p .  -
/* main.cpp 443: */ > 
/* main.cpp 444: */
/* main.cpp 445: */}	.*	try : q  ?Lname  ( 0; <*a.*b int defined  -= 0x123456789  s.x	
/* main.cpp 446: */a.*b<=w s.x 
/* main.cpp 447: */f(1,2)  
/* main.cpp 448: */ab  ->	x=1;>>  ~  1e+10f  x::y)  q 1234567890	* 
/* main.cpp 449: */
/* main.cpp 450: */1234567890]<  <  ++  z(2)? s.*p	) f(1,2)  class 1e+10f )>>=  
/* main.cpp 451: */>  >=  ,1.5:
/* main.cpp 452: */ : 1u-> >  >=	
/* main.cpp 453: */L'w' .*  x::y -_asm_not:
/* main.cpp 454: */ :	1u	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c'1  12L  -> 1e+10f .  x::y	;1u <<= 
/* main.cpp 455: */
/* main.cpp 456: */L"ws" 1234567890 s.*p  0x123456789
/* main.cpp 457: */s.x::   x . 
/* main.cpp 458: */ab 12 <  <  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  x  ::	1 {>	.*	|| ++  << 
/* main.cpp 459: */[ :   >>= 
/* main.cpp 460: */ab	:: ,~ 
/* main.cpp 461: */:	defined + 9
/* main.cpp 462: */9 
/* main.cpp 463: */<  <  ~ / class ->  
/* main.cpp 464: */ab  .* 
/* main.cpp 465: */s.x->* ->* % 123456789:
/* main.cpp 466: */ :9	1u  a  catch
/* main.cpp 467: */
/* main.cpp 468: */++ >="s"  
/* main.cpp 469: */x-> ; alpha_beta_gamma_delta  ~   
/* main.cpp 470: */<=  1234567890 
/* main.cpp 471: */! <<	x=1; 471 a  +try class w catch  int 0'c'  ::  ^=~  
/* main.cpp 472: */+= 
/* main.cpp 473: */12  .* class class q _asm_not  >>=  12L 1u / ++  [  
/* main.cpp 474: */^="s" )  :  (2)>>	1e+10f  ]w ? s.*p::  
/* main.cpp 475: */+=	==a.*b x f(1,2)  L"ws"	__try  
/* main.cpp 476: */) -=  >= a->*b	<<=  ^= &&0x123456789
/* main.cpp 477: */%<  <9
/* main.cpp 478: */9	12L-
/* main.cpp 479: */ > LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 .5 try 0x123456789 1 ::  077  L"ws"  0 1  >	* s.x	1e+10f f(1,2)% 0x7fffffff 123456789	
/* main.cpp 480: */++ ... x::y   
/* main.cpp 481: */>> :
/* main.cpp 482: */ : ?123456789[1u  0 ;  ( ...	-
/* main.cpp 483: */ >   123456789 <= x=1;  
/* main.cpp 484: */) ->*  >  >= ->^=  x::y  defined *  !:
/* main.cpp 485: */ :  ,  != <<'c' ^=	class	9
/* main.cpp 486: */9 f(1,2)		 ->*  
/* main.cpp 487: */+=
/* main.cpp 488: */__try	&&  f(1,2) 12L ++this? <  <   << 
/* main.cpp 489: */
/* main.cpp 490: */q
/* main.cpp 491: */
/* main.cpp 492: */9
/* main.cpp 493: */9	] %	a.*b-  - 12L <<  -- == 1u  "s"  L"ws":
/* main.cpp 494: */ : (2)  {  
/* main.cpp 495: */<< >>= ->* +=+ 4e5%	'c'  
/* main.cpp 496: */
/* main.cpp 497: */12L  ) ~  a->*b -  ~  +(^=>=	catch 
/* main.cpp 498: */.5  L'w' + &
/* main.cpp 499: */ &  x=1; 499 'c' 
/* main.cpp 500: */:  != x=1; 	 ->*:: L'w's.*p?  :  Lname LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.cpp 501: */xs.*p >>=1e+10f 0x7fffffff
/* main.cpp 502: */==	0x123456789 s.x 123456789	!= &&/  0x7fffffff  9
/* main.cpp 503: */9  
/* main.cpp 504: */ab /	/	"s" 
/* main.cpp 505: */
/* main.cpp 506: */q
/* main.cpp 507: */
/* main.cpp 508: */12L 12&&	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.cpp 509: */
/* main.cpp 510: */<<=!= {   ( 	a.*b (2)
/* main.cpp 511: */+= a.*b	{  s.*p x  1e+10f   
/* main.cpp 512: */__try  -- f(1,2)	"s"  ) -> % )  077 <<  f(1,2) 
/* main.cpp 513: */
/* main.cpp 514: */<<	->*class   >>= ) try	(2) 0x7fffffff  -> (  9
/* main.cpp 515: */9 w  L"ws" >=>= + s.x  {  [  1u
/* main.cpp 516: */
/* main.cpp 517: */catch 1.5 0  -= 
/* main.cpp 518: */
/* main.cpp 519: */]&
/* main.cpp 520: */ & 9 1234567890 .5	> [ 
/* main.cpp 521: */ab <<  q x::y+= < } 
/* main.cpp 522: */+=  0->
/* main.cpp 523: */:  -- a.*b	{  ...   
/* main.cpp 524: */|| 0x7fffffff!=  __try : ^=  >=>=1.5  !   ==-= 
/* main.cpp 525: */ab x  ,'c'== --	a.*b ->*  9  _asm_not	->  s.*p 
/* main.cpp 526: */1.5  ;w  -  < 9	'c'	 >>=*.* alpha_beta_gamma_delta 
/* main.cpp 527: */alpha_beta_gamma_delta  -- >=  x=1;-
/* main.cpp 528: */ > w 123456789 0;  ( _asm_not  ]	
/* main.cpp 529: */
/* main.cpp 530: */q
/* main.cpp 531: */
/* main.cpp 532: */s.*p--s.x (2)<	] alpha_beta_gamma_delta~ 
/* main.cpp 533: */+=	 
/* main.cpp 534: */>>  a }   )	alpha_beta_gamma_delta >  >=  >> 123456789	try ==<<=	. 534 class  >  >=	123456789 s.x  class  1e+10f 0x123456789 .5 .* -  - 
/* main.cpp 535: */'c' :
/* main.cpp 536: */ :	--  { 	 * class x 9
/* main.cpp 537: */9  &
/* main.cpp 538: */ &077 -  -  :
/* main.cpp 539: */ :  >  0x123456789  
/* main.cpp 540: */+=<
/* main.cpp 541: */ <  <.  f(1,2)077 a 
/* main.cpp 542: */--class <<<<  
/* main.cpp 543: */this try "s"  ! 12	4e5 catch  ||x=1; a.*b->  
/* main.cpp 544: */
/* main.cpp 545: */-- this z(2)f(1,2) ,
/* main.cpp 546: */
/* main.cpp 547: */< -  - L'w'  w  a.*b a  s.*p	>>=<=_asm_not  1) &
/* main.cpp 548: */ &s.*p == 077  12L > 0;L"ws"	!=try 1e+10f  a.*b 
/* main.cpp 549: */*	
/* main.cpp 550: */
/* main.cpp 551: */q
/* main.cpp 552: */
/* main.cpp 553: */) f(1,2):a~ :  553  > +  ] a 
/* main.cpp 554: */ab 
/* main.cpp 555: */
/* main.cpp 556: */q
/* main.cpp 557: */
/* main.cpp 558: */.*	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 __try 558*... try  a.*b 1e+10f  077  Lname	0 *4e5	&&!= "s"9
/* main.cpp 559: */9  w  ~
/* main.cpp 560: *//	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 a.*b  Lname ,1  0;  << alpha_beta_gamma_delta 	12L 1.5 != a  }->*-
/* main.cpp 561: */ ><  
/* main.cpp 562: */
/* main.cpp 563: */q
/* main.cpp 564: */
/* main.cpp 565: */9(2)  ~ {defined  , ~  {	q 0 <=!=  L'w'  
/* main.cpp 566: */
/* main.cpp 567: */> ->* _asm_not	
/* main.cpp 568: */568	z(2) 
/* main.cpp 569: */Lname] Lname L"ws"	%
/* main.cpp 570: */w   -  -  _asm_not  ]  
/* main.cpp 571: */ab	
/* main.cpp 572: */Lname f(1,2)<  < /  ] x try  <  <   <<=  x::y ^=<<= int   
/* main.cpp 573: */.5	12"s" || <  alpha_beta_gamma_delta defined  ] (2) 	 
/* main.cpp 574: */12 ++ __try  x 1.5  ~  	  
/* main.cpp 575: */
/* main.cpp 576: */q
/* main.cpp 577: */
/* main.cpp 578: */a->*b ! class 578 ->* ->* w ~  <=  0;(2) ...  1 12L 
/* main.cpp 579: */
/* main.cpp 580: */q
/* main.cpp 581: */
/* main.cpp 582: */>> L'w'  <  <  <	'c' a	~  -= 'c'  alpha_beta_gamma_delta  }  ||
/* main.cpp 583: */0 /	__try) 'c'  
/* main.cpp 584: */++ 1234567890	->*  ~	;  584	+= 	 L"ws"	-  - 
/* main.cpp 585: */+=...  1234567890  -
/* main.cpp 586: */ >  class "s"	[ alpha_beta_gamma_delta %	L'w'? <<=
/* main.cpp 587: */
/* main.cpp 588: */q
/* main.cpp 589: */
/* main.cpp 590: */1e+10f ...  >>=	L"ws"~Lname 1u->* 
/* main.cpp 591: */+= 12L  *}L'w' class != ==0x7fffffff  "s"  
/* main.cpp 592: */x0x123456789 L"ws" Lname  int 
/* main.cpp 593: */:  ~ 0; class 
/* main.cpp 594: */{s.*p	,
/* main.cpp 595: */ab; >  >= %x::y  /  )	9 
/* main.cpp 596: */x123456789 	  || 
/* main.cpp 597: */+=  )  z(2) }x -
/* main.cpp 598: */ > ->*catch ->*9
/* main.cpp 599: */9 ]  +=.	'c'x::y 0  __try  ++  s.x
/* main.cpp 600: */
/* main.cpp 601: */q
/* main.cpp 602: */
/* main.cpp 603: */a 1234567890
/* main.cpp 604: */x++  ->* int .5 
/* main.cpp 605: */x::y  
/* main.cpp 606: */ab	[  &&  ||  1 Lname  / >  >=>= -
/* main.cpp 607: */ > } 
/* main.cpp 608: */+=0x7fffffff  try 0x7fffffff ]0; Lname	
/* main.cpp 609: */x<  <0x123456789  s.*p 0;077  += 123456789	9	9
/* main.cpp 610: */9  ;  s.*p 610 defined	a{w  /  z(2)  
/* main.cpp 611: */xx=1; ~. <<=1.5  __try	-- <  +	s.x 1234567890  	  	^=*  >=  ;  a 
/* main.cpp 612: */
/* main.cpp 613: */
/* main.cpp 614: */-  
/* main.cpp 615: */+=  ... x^=}* -  + "s" !=	0 q  	  [	<=  -  - <  <  12 try?	1234567890 1 
/* main.cpp 616: */&
/* main.cpp 617: */ & alpha_beta_gamma_delta 1234567890  } _asm_not :: 1.5  +<  <  : x=1;
/* main.cpp 618: */
/* main.cpp 619: */q
/* main.cpp 620: */
/* main.cpp 621: */{ _asm_not? 0; z(2) 
/* main.cpp 622: */.  12L ]  !=<  <  defined z(2)-
/* main.cpp 623: */ > ,0x123456789 623++   
/* main.cpp 624: */077  <  <++ . ~_asm_not catch >= w  + > !/ try --  -
/* main.cpp 625: */ >>>=
/* main.cpp 626: */__try LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 123456789++	&
/* main.cpp 627: */ & try  _asm_not	__try 0x123456789  > defined _asm_not	a->*b--<= Lname	!= 
/* main.cpp 628: */
/* main.cpp 629: */q
/* main.cpp 630: */
/* main.cpp 631: */catch  ~  12L -  1e+10f==  [s.x   	
/* main.cpp 632: */~ ::	.* *f(1,2)	12L  -  -	.* 
/* main.cpp 633: */
/* main.cpp 634: */q
/* main.cpp 635: */
/* main.cpp 636: */+=  / 1e+10f 1u -  -  1.5	-- 1234567890+=1e+10f a.*b||Lname defined 12	L'w' 
/* main.cpp 637: */
/* main.cpp 638: */0; x::y 1u:  %  ... x a->*b >  ::||  ... class	-  - 123456789  < +  L"ws"  << ? ++->* 
/* main.cpp 639: */
/* main.cpp 640: */.  1.5  }  << a->*b}0x7fffffff<  < ( 1e+10f	.5	
/* main.cpp 641: */catch!='c' 12L->* 
/* main.cpp 642: */+= !  !=defined<<= 4e5 < 
/* main.cpp 643: */x&
/* main.cpp 644: */ &	?_asm_not 9
/* main.cpp 645: */9 w L"ws" .  .* 
/* main.cpp 646: */x?0%	< ^===  L"ws"  < 'c' /	  z(2) 9  ?  9
/* main.cpp 647: */9+_asm_not 
/* main.cpp 648: */--try	+= >> .5
/* main.cpp 649: */+=  0x7fffffff	alpha_beta_gamma_delta	q  z(2)  /	}	x alpha_beta_gamma_delta/x<  ~ "s"++	
/* main.cpp 650: */x077 defined- ^=0; >= ->*  
/* main.cpp 651: */
/* main.cpp 652: */q
/* main.cpp 653: */
/* main.cpp 654: */^=  += 
/* main.cpp 655: */+= %  
/* main.cpp 656: */a 'c'	
/* main.cpp 657: */ab  !  x=1;  4e5  ) 	 <  <  
/* main.cpp 658: */^=-=* -
/* main.cpp 659: */ >	a->*b z(2)^= 
/* main.cpp 660: */
/* main.cpp 661: */q
/* main.cpp 662: */
/* main.cpp 663: */663  [ defined	-=(2)  ||  
/* main.cpp 664: */ab  +=  ->*||1e+10f  , z(2)0x7fffffff	->*  'c'[  , <=(2) ;  alpha_beta_gamma_delta	<<  ? 
/* main.cpp 665: */-- [	-- ->*  1e+10f LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0;  665  L'w'  
/* main.cpp 666: */ab  -= , <<  9
/* main.cpp 667: */9 + , 4e5	||  
/* main.cpp 668: */s.*p % 9	a	  12 catch 1  !>=-   ->* .*
/* main.cpp 669: */ab  1e+10f  <<=
/* main.cpp 670: */0x123456789 
/* main.cpp 671: */>  >=
/* main.cpp 672: */
/* main.cpp 673: */. <<=class 
/* main.cpp 674: */a->*b 9   &
/* main.cpp 675: */ &&&  		12  
/* main.cpp 676: */
/* main.cpp 677: */q
/* main.cpp 678: */
/* main.cpp 679: */077 <  .*{  -=	>defined  0x7fffffff +  
/* main.cpp 680: */x	 "s" << 
/* main.cpp 681: */<<= L"ws" >>=  12L catch z(2) }  
/* main.cpp 682: */ab	
/* main.cpp 683: */
/* main.cpp 684: */x99<<= , ...'c' >>  
/* main.cpp 685: */! a 077 1 ?  _asm_not  <<^= + Lname  * :: 
/* main.cpp 686: */x^=  >  (  1e+10f defined	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 4e5
/* main.cpp 687: */>=  }  9 __try:
/* main.cpp 688: */ :== this  this .*->* 
/* main.cpp 689: */ab  __try  
/* main.cpp 690: */->* int  0;  
/* main.cpp 691: */+=  (.* 1u == ~  q; :9
/* main.cpp 692: */9  'c'  &
/* main.cpp 693: */ &  L"ws" z(2)	} :
/* main.cpp 694: */ :  
/* main.cpp 695: */
/* main.cpp 696: */q
/* main.cpp 697: */
/* main.cpp 698: */<<  ->*  __try  [ 
/* main.cpp 699: */1	;(2)  a.*b -> )	== 12 ... defined -	
/* main.cpp 700: */1u x ->  (2) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  != s.*p  :
/* main.cpp 701: */ :  : Lname:
/* main.cpp 702: */ : 
/* main.cpp 703: */ :
/* main.cpp 704: */ :-- ]  || 12 0x123456789 ?	>	 >>=) -1 z(2)	  ->*  
/* main.cpp 705: */s.x  'c'a<  < * --0; q 1u/  && >>= + 9  || _asm_not  ->	-> 'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  .5 alpha_beta_gamma_delta	
/* main.cpp 706: */< -	  <  <(2)  
/* main.cpp 707: */:  ++ a.*b q x 
/* main.cpp 708: */x(2) 12	9 -  - 
/* main.cpp 709: */+=+=  a->*b	->* w  >=  int%  ::...  1 12  
/* main.cpp 710: */x12 ,  || || ->*  -
/* main.cpp 711: */ >  9 % 1 >=+  
/* main.cpp 712: */ab 	
/* main.cpp 713: */
/* main.cpp 714: */q
/* main.cpp 715: */
/* main.cpp 716: */"s" ; <  < ->	
/* main.cpp 717: */ab w  12L==  ( a a.*b   ++1	
/* main.cpp 718: */Lname  . 077 ;9
/* main.cpp 719: */9 1.5 1;
/* main.cpp 720: */this catch  class  . 1234567890 ... ]  } x class (2) x::y||  
/* main.cpp 721: */<= } .5 
/* main.cpp 722: */+  .*	<<= ==  s.x 1.5 alpha_beta_gamma_delta ->*	9
/* main.cpp 723: */9  'c'  >> +	723 .  ;	<= [  "s" 
/* main.cpp 724: */ab-
/* main.cpp 725: */ > % z(2) (	725 
/* main.cpp 726: */
/* main.cpp 727: */]
/* main.cpp 728: */^= :
/* main.cpp 729: */ :  x::y  
/* main.cpp 730: */ab x::y 0x7fffffff	(2)-
/* main.cpp 731: */ >    731 731  
/* main.cpp 732: */<  < 4e5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 a.*b	L"ws"LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	1e+10f 732 1u+  -	&&  
/* main.cpp 733: */+=
/* main.cpp 734: */ab  0x7fffffff alpha_beta_gamma_delta  <  <  != -= a.*b >  >=12L  L'w'int 
/* main.cpp 735: */&& 9 ->* (2)	z(2)  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->*L'w')	735 __try  - 12L L'w'  <=  .5&&	f(1,2)  this <  < "s"  %  
/* main.cpp 736: */
/* main.cpp 737: */q
/* main.cpp 738: */
/* main.cpp 739: */<<=/ {  +=	077 . ->*	
/* main.cpp 740: */>>= &
/* main.cpp 741: */ &	a.*b  -  >=  L'w' ^=->* s.*p
/* main.cpp 742: */
/* main.cpp 743: */L"ws"	__try   1.5  > .5 12 __try , 
/* main.cpp 744: */+=  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 alpha_beta_gamma_delta -	 -
/* main.cpp 745: */ >  {4e5 
/* main.cpp 746: */ab ...::  -0x7fffffff :
/* main.cpp 747: */ :  
/* main.cpp 748: */<  <	12L x::y "s"  
/* main.cpp 749: */xL "ws"a.*b->* 1e+10f x=1;  
/* main.cpp 750: */x::y  Lname 1e+10f^= -  - int ... , }  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 a 123456789 0
/* main.cpp 751: */+= a  L"ws"  
/* main.cpp 752: */
/* main.cpp 753: */123456789	>  >=:  int 1u	L'w'  -
/* main.cpp 754: */ >
/* main.cpp 755: */||  a->*b alpha_beta_gamma_delta (2) this s.x . -> -  'c'	::	++ <<= 
/* main.cpp 756: */
/* main.cpp 757: */-
/* main.cpp 758: */ >%  > 
/* main.cpp 759: */
/* main.cpp 760: */q
/* main.cpp 761: */
/* main.cpp 762: */L"ws" 'c'	)  
/* main.cpp 763: */"s"	a->*b  != } 
/* main.cpp 764: */->* -> q )  } <<  _asm_not 1u-  f(1,2) z(2)  ( , :
/* main.cpp 765: */ :+= ?	1234567890 
/* main.cpp 766: */
/* main.cpp 767: */q
/* main.cpp 768: */
/* main.cpp 769: *// ; a->*b++< > 9
/* main.cpp 770: */9 } ] == (  s.*p  	Lname x  --  'c'  
/* main.cpp 771: */L'w'  &&	9 a << a.*b &&  
/* main.cpp 772: */__try  , : z(2)  0x123456789 %__try 0(	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	w<<
/* main.cpp 773: */!  
/* main.cpp 774: */alpha_beta_gamma_delta	alpha_beta_gamma_delta	- 1u	+= 
/* main.cpp 775: */ab*  
/* main.cpp 776: */
/* main.cpp 777: */ab  <  <  <  <   (  - ,  'c'  12	0;	; ^=077 
/* main.cpp 778: */::L'w' alpha_beta_gamma_delta int ,  a->*b  this* f(1,2)  defined ->/  ) ^=:	s.x: catch a.*b  
/* main.cpp 779: */
/* main.cpp 780: */} .*	Lname : q z(2)	 
/* main.cpp 781: */~ 
/* main.cpp 782: */
/* main.cpp 783: */q
/* main.cpp 784: */
/* main.cpp 785: */a  /	??	int  ?  class s.x	/	<  <  0
/* main.cpp 786: */
/* main.cpp 787: */q
/* main.cpp 788: */
/* main.cpp 789: */a->*b	defined q alpha_beta_gamma_delta  >  >="s" <=  a.*b	.5 a.*b ...  1e+10f  defined  ->  
/* main.cpp 790: */, :>  >= &&0x7fffffff  x class -  - ||class  a.*b  ;  4e5  -- -
/* main.cpp 791: */ >0x7fffffff  791 -
/* main.cpp 792: */ >  -] 1234567890 .  ++
/* main.cpp 793: */
/* main.cpp 794: */
/* main.cpp 795: */-- %  .*!={  a->*b LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  ...  1	L'w'this >>w +  catch class,	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u 077? 
/* main.cpp 796: */<  <	) .5 x=1;  /  int 12 ^= ! __try(2) 9
/* main.cpp 797: */9>>	797 077 x::y  .5 != ->* class	1u  && >=
/* main.cpp 798: */
/* main.cpp 799: */+=(2) Lname alpha_beta_gamma_delta  >=}  )  q x::y  !="s" 799 1234567890 ~ (  
/* main.cpp 800: */4e5-  - 
/* main.cpp 801: */9"s":
/* main.cpp 802: */ : defined s.x  :	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  catch*  == int 9
/* main.cpp 803: */9,~  class 0;  _asm_not s.*p	L'w'4e5 
/* main.cpp 804: */>    Lname >=  w  1  :: ->* !=z(2)  077 
/* main.cpp 805: */ab  ~ defined this  a->*b &
/* main.cpp 806: */ & s.*p x=1;	this f(1,2) q < 
/* main.cpp 807: */->*123456789}1u  -- 0x7fffffff 'c' ?077  ::  Lname L'w'%  /  &&  4e5 123456789 
/* main.cpp 808: */+=  
/* main.cpp 809: */+= } 
/* main.cpp 810: */
/* main.cpp 811: */L"ws"  !  
/* main.cpp 812: */0x123456789  :: "s" .*1234567890 .5	s.x 1u <<= )catch -  ?1.5  <   ==	__try >= ?-
/* main.cpp 813: */ > 
/* main.cpp 814: */+  defined  
/* main.cpp 815: */int  w  >>  {.>  ! L"ws" 
/* main.cpp 816: */}	1	>>=
/* main.cpp 817: */x++w >>=	try  ->*1234567890  catch>* 12 12  w  :
/* main.cpp 818: */ :&& 
/* main.cpp 819: */! 1234567890 + (	1e+10f  ~>>=	-
/* main.cpp 820: */ >
/* main.cpp 821: */ab .*	!"s"s.*p  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	!=	--0x7fffffff 0; x::y ! s.x  ~...  
/* main.cpp 822: */%
/* main.cpp 823: */
/* main.cpp 824: */q
/* main.cpp 825: */
/* main.cpp 826: */(2) "s" 0; .* 
/* main.cpp 827: */x "s"	
/* main.cpp 828: */1  (	:
/* main.cpp 829: */ : s.*p+  ) 1 Lname ==	<  +=  :	%  ^= >   >> _asm_not 
/* main.cpp 830: */1u 077 0x7fffffff 0(2)	&
/* main.cpp 831: */ &  !=  ]  -- "s")0{  ->*->:
/* main.cpp 832: */ :catch x::y } &&	"s"
/* main.cpp 833: */>>= x=1; ;  )a->*b  defined 0x7fffffff  <  <  
/* main.cpp 834: */Lname >>=  L"ws"== z(2)0x123456789  :|| 
/* main.cpp 835: */x+=	>  >=	  12L ->*  / ->* 
/* main.cpp 836: */x0	Lname ++	/ - catch  _asm_not catch	x=1;  <  < 
/* main.cpp 837: */+=  <  < defined  << >  
/* main.cpp 838: */z(2) 
/* main.cpp 839: */:	[ :'c'w
/* main.cpp 840: */->  this  s.x	--  &&  this 0x7fffffff+=  	'c' ^=  == .  L'w'x=1;  1234567890 }/ -
/* main.cpp 841: */ >  z(2) *	x=1; 12L
/* main.cpp 842: */
/* main.cpp 843: */x=1; ||->*q.5  a.*b  defined  --	alpha_beta_gamma_delta 
/* main.cpp 844: */?  ->* .5 123456789 f(1,2) 1e+10f Lname 077	} catch  || <=  .  <<	 
/* main.cpp 845: */x( [)	  ]q } ++ ... 
/* main.cpp 846: */
/* main.cpp 847: */q
/* main.cpp 848: */
/* main.cpp 849: */&
/* main.cpp 850: */ & -  ->=  !=  a->*b  ->*  >= ->* -	+=	x::y	
/* main.cpp 851: */~ {  	 851 %12  --	0;  ->*.5 >>=  q <= Lname  1 >  >= 
/* main.cpp 852: */: __try alpha_beta_gamma_delta (2)  -	<<=&
/* main.cpp 853: */ &  ->*	defined>  >=,  ( << 
/* main.cpp 854: */) s.*p 0; 9
/* main.cpp 855: */9
/* main.cpp 856: */x9	. >  >=<<++  12L -  -  x ^=.5+=*  1234567890	->* 856 4e5 ->*  >	
/* main.cpp 857: */+ { ~  +=x=1;  
/* main.cpp 858: */xx=1;	->*[ . >  >=  ~	123456789-- 077>=0x7fffffff	(2)  >>=+ <<= f(1,2)try  0x7fffffff  4e5 this -
/* main.cpp 859: */ > +==	
/* main.cpp 860: */>=  >  >= :
/* main.cpp 861: */ : 0
/* main.cpp 862: */+=	-
/* main.cpp 863: */ >< 1u 
/* main.cpp 864: */ab ) :
/* main.cpp 865: */ :  [  f(1,2)  > } L'w'  ."s"  L"ws" 
/* main.cpp 866: */"s"  q 1u 077  try	>=0x7fffffff __try .* (2)	/ -= x::y 1u 0x7fffffff>  4e5 ... x -
/* main.cpp 867: */ >  :
/* main.cpp 868: */1.5 .*	f(1,2) )0;/  L"ws"...	f(1,2)
/* main.cpp 869: */1234567890  ... try (2)  
/* main.cpp 870: */1u f(1,2) 870  
/* main.cpp 871: */)!= ...	0  
/* main.cpp 872: */<x f(1,2)f(1,2)	4e5 __try	,f(1,2)
/* main.cpp 873: */+= -= 1class
/* main.cpp 874: */
/* main.cpp 875: */+=  -=  
/* main.cpp 876: */+=  x  <<= w 0x123456789 
/* main.cpp 877: */ab	catch  <=  f(1,2)x=1; 
/* main.cpp 878: */[  Lname } f(1,2) 0x123456789	
/* main.cpp 879: */+=  12  9	1234567890 ~ ( _asm_not<<}	<  <a	0x7fffffff "s"
/* main.cpp 880: */<   < ^=this s.*p } a.*b 0- "s"
/* main.cpp 881: */+=
/* main.cpp 882: */a	<<=	.*    f(1,2) this; (1e+10f	% 1234567890
/* main.cpp 883: */
/* main.cpp 884: */q
/* main.cpp 885: */
/* main.cpp 886: */x::y	1.5 z(2)	"s" ==  
/* main.cpp 887: */{  <<=.5  ?<  <  >>	x -
/* main.cpp 888: */ >	+=	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->077 
/* main.cpp 889: */ab	L"ws"x::y    s.*p a^= 
/* main.cpp 890: */x-=	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.cpp 891: */<123456789:
/* main.cpp 892: */ :  123456789  class  x  {  < 
/* main.cpp 893: */
/* main.cpp 894: */{ <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 defined  int __try  +=  
/* main.cpp 895: */;   <  < != <  <  s.x class ...  <<=-> 	  ->*-/ ++  this  .*  >  >=1u  defined w;  L'w' 
/* main.cpp 896: */1e+10f .5  class  (2)	"s"a.*b .5  -- 9
/* main.cpp 897: */9  -
/* main.cpp 898: */ >  ( &
/* main.cpp 899: */ &  << int  f(1,2)
/* main.cpp 900: */x[  --::0  12L  a.*b 1 ||(2) >>-
/* main.cpp 901: */ >	-  -	12  / *catch 	
/* main.cpp 902: */0 902 class }  0.  0;catch &
/* main.cpp 903: */ &- 0	x=1;  a->*b&
/* main.cpp 904: */ & 9
/* main.cpp 905: */9 x 0x123456789	&
/* main.cpp 906: */ &  s.*p 
/* main.cpp 907: */123456789  ).5  x ]12L:: <<= .5 <  < &
/* main.cpp 908: */ & 
/* main.cpp 909: */int  :
/* main.cpp 910: */ :] <  <  !0x7fffffff 
/* main.cpp 911: */x^= 
/* main.cpp 912: */
/* main.cpp 913: */q
/* main.cpp 914: */
/* main.cpp 915: */'c' ==077 &&  1234567890 915 &&  
/* main.cpp 916: */a->*b x catch  q 1234567890  
/* main.cpp 917: */+	 { 1.5 
/* main.cpp 918: */x/ f(1,2) >>=	<  (2) 12L a->*b 
/* main.cpp 919: */
/* main.cpp 920: */; ::  s.*p f(1,2)defined ; 
/* main.cpp 921: */:  1234567890 <= }++ __try  
/* main.cpp 922: */->* 9
/* main.cpp 923: */9 f(1,2)(2)  [	+   s.*p  <<=;  
/* main.cpp 924: */&&	>  >=a->*b ,	
/* main.cpp 925: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<= ! ->*	
/* main.cpp 926: */1e+10f>  +	<>  , Lname 0x123456789 int )  <<  q  ->* 
/* main.cpp 927: */
/* main.cpp 928: */<<= && (2) >=  'c' ! -catch 0	12L 
/* main.cpp 929: */;  *  { x=1;  s.*p>> z(2)x::y:
/* main.cpp 930: */ :9
/* main.cpp 931: */9  L'w'	931) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:	>  4e5  0;<<1e+10f +  
/* main.cpp 932: */Lname [ a.*b >>=  % 9
/* main.cpp 933: */9 ^= <  < s.*p defined  catch s.*p< . +=catch  123456789 {	
/* main.cpp 934: */934 0x7fffffff  ! <=  ,[ <<=<  += 1.5 this?  9
/* main.cpp 935: */9 
/* main.cpp 936: */ab  
/* main.cpp 937: */} 9
/* main.cpp 938: */9	):9	>= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 catch 'c'try s.*p	:_asm_not / s.x 0x123456789  }	"s"123456789-
/* main.cpp 939: */ >  >  >= :: >= 
/* main.cpp 940: */?  
/* main.cpp 941: */4e5, >  >= w defined  941  z(2)  ~ -=	<<= 
/* main.cpp 942: */+= 
/* main.cpp 943: */x<=  -
/* main.cpp 944: */ >	-
/* main.cpp 945: */ >   ->* >>=  ::  >>  
/* main.cpp 946: */+= Lname	, ||12L  *::0x7fffffff __try	w   
/* main.cpp 947: */-
/* main.cpp 948: */ >
/* main.cpp 949: */-=  >=	a.*b{ [ ] 1u Lname a.*b   x::y catch Lname	% ? - :
/* main.cpp 950: */ : "s" -12  ; , 
/* main.cpp 951: */-
/* main.cpp 952: */ >  s.x 
/* main.cpp 953: */ab class 
/* main.cpp 954: */xLname  && 
/* main.cpp 955: */;x::y x::y ] >=  >>= ++  ^=,a.*b 1u  .*	955	-> < 
/* main.cpp 956: */9 0x7fffffff++  4e5%  -alpha_beta_gamma_delta  ...  )  ]  { >>	x=1;  -||  ... 
/* main.cpp 957: */"s" : f(1,2)  0x7fffffff 12L  957 [||  077 1e+10f (2) 
/* main.cpp 958: */+= a->*b  || /a^= 0x7fffffff  ... 0	 
/* main.cpp 959: */]	+=	<< x=1;1 ^=  s.x  q  a 1+=] 959	. &&	959	0x123456789 class  ]	try  s.*p~  
/* main.cpp 960: */z(2) 
/* main.cpp 961: */ab    --  'c'  ) 1234567890	this  ... alpha_beta_gamma_delta ::<=  1alpha_beta_gamma_delta;9
/* main.cpp 962: */9->		
/* main.cpp 963: */:
/* main.cpp 964: */ : -  ; 1u	"s" a-=alpha_beta_gamma_delta	
/* main.cpp 965: */x12 x  ~x  0x123456789 "s"	4e5
/* main.cpp 966: */x.* 0	q -4e5 ;12		 a->*b  z(2)  >> 0 
/* main.cpp 967: */
/* main.cpp 968: */12{  ++  catch  }>  >=]f(1,2)	>  >=z(2)	/ 'c'  ,defined  0 catch!=  L"ws"  'c'  12L  
/* main.cpp 969: */, try 077  <<	9 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  ^=  077	a->*b  <=try  L'w' ,	4e5 > 
/* main.cpp 970: */this LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:
/* main.cpp 971: */ : ->*	% ]  -> catch "s"int  alpha_beta_gamma_delta >  >= s.x	0x7fffffff	-=  ... .5	+	_asm_not 
/* main.cpp 972: */== &&->	0x123456789 x=1;  <=try  ]>  >=  ::"s"&
/* main.cpp 973: */ &  s.*p 1u  >> 1234567890 ->* try ->* %	'c'
/* main.cpp 974: */&& a->*b , 9
/* main.cpp 975: */9  _asm_not <=  
/* main.cpp 976: */
/* main.cpp 977: */q
/* main.cpp 978: */
/* main.cpp 979: */! "s" ==9
/* main.cpp 980: */9 12L  ==  12  a 1 12L	_asm_not  .	12 z(2)  &&
/* main.cpp 981: */
/* main.cpp 982: */q
/* main.cpp 983: */
/* main.cpp 984: */0x123456789  >=  *x=1;	L"ws"  ! 
/* main.cpp 985: */^= ...  ->*	1u 	 
/* main.cpp 986: */__try>-> ( && 123456789 q -
/* main.cpp 987: */ >  -= ++ %  [ (  a->*b .*  
/* main.cpp 988: */< % q  	 . try ==	1u 4e5	123456789 4e5 &&  alpha_beta_gamma_delta class <= w	 
/* main.cpp 989: */^=	+{-   -  0 a try ?  1e+10f  0 - 123456789	>>= -  ||  -
/* main.cpp 990: */ >x=1;  q 
/* main.cpp 991: */ab
/* main.cpp 992: */!=  ,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	1u } f(1,2)1u	*  ->*Lname (    ->*_asm_not->  catch  >> this	_asm_not 
/* main.cpp 993: */+>>  a	'c''c' s.x  
/* main.cpp 994: */L'w'  x=1;*  
/* main.cpp 995: */ab !  ->* << 0x123456789 ->0; ++ 0x123456789  this x  "s"    1e+10f  [ &
/* main.cpp 996: */ &	<  0x123456789 
/* main.cpp 997: */catch  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  L'w'	catch || ... .5  
/* main.cpp 998: */ab 'c' <=  9	+= <<this? 
/* main.cpp 999: */12  !=>> <<=  )	{ .  !	<= :
/* main.cpp 1000: */ : f(1,2) 1000	0;	->* &
/* main.cpp 1001: */ & +++  ->* ||
/* main.cpp 1002: */ab defined  <<= x __try
/* main.cpp 1003: */int 9
/* main.cpp 1004: */9	>  077 try .5 catch 	1234567890 >=	[ q  
/* main.cpp 1005: */.'c'  >
/* main.cpp 1006: */x} &
/* main.cpp 1007: */ &  } try 1 -> +=a.*b}
/* main.cpp 1008: */~ 
/* main.cpp 1009: */>= 
/* main.cpp 1010: */+= L"ws" a->*b 123456789	&
/* main.cpp 1011: */ &0;	 
/* main.cpp 1012: */==) 1.5  >>  "s"12L  ] { 1.5 << .*	
/* main.cpp 1013: */||0x123456789>>= 1u  
/* main.cpp 1014: */
/* main.cpp 1015: */q
/* main.cpp 1016: */
/* main.cpp 1017: */: 0;	a.*b{ -
/* main.cpp 1018: */ > s.*p >  >=__try LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 __try	,  this && .5  x 12L 077 q   
/* main.cpp 1019: */* q !	: ?0  } (2)  (2)  <=	9
/* main.cpp 1020: */9<<=   . a->*b  ]defined   >>  1e+10f
/* main.cpp 1021: */+= 
/* main.cpp 1022: */x 9
/* main.cpp 1023: */9 int-  - &
/* main.cpp 1024: */ &  --	
/* main.cpp 1025: */ab ++ 
/* main.cpp 1026: */
/* main.cpp 1027: */{  )!=	-- try L'w'	1e+10f :
/* main.cpp 1028: */ :} 
/* main.cpp 1029: */ab z(2) (2) && ::  
/* main.cpp 1030: */::
/* main.cpp 1031: */
/* main.cpp 1032: */q
/* main.cpp 1033: */
/* main.cpp 1034: */[	__try L'w', s.x  f(1,2)<  <	-
/* main.cpp 1035: */ >	 ==	<= : ;/ 1035  . ~ ->*  ^= 12L L'w'a.*b	
/* main.cpp 1036: */
/* main.cpp 1037: */&&>= >=  4e5	-  -,  
/* main.cpp 1038: */ab 1 ] <1234567890)<= L"ws"  1  alpha_beta_gamma_delta  [	s.x 0x123456789 *, ==
/* main.cpp 1039: */
/* main.cpp 1040: */q
/* main.cpp 1041: */
/* main.cpp 1042: */9
/* main.cpp 1043: */9  &
/* main.cpp 1044: */ &	/  a.*b
/* main.cpp 1045: */
/* main.cpp 1046: */{	 
/* main.cpp 1047: */__try 1e+10f  x::y )  += try s.*p 
/* main.cpp 1048: */Lname z(2)  ]  [ this z(2) >=	9 a .*
/* main.cpp 1049: */. Lname this  1234567890 Lname 1e+10f	z(2)  f(1,2)12	}  ~ ; 
/* main.cpp 1050: */% ->*  ~  << .* [ a q != this  .5  
/* main.cpp 1051: */0; -  - this x&
/* main.cpp 1052: */ &12/	  4e5 x 
/* main.cpp 1053: */
/* main.cpp 1054: */==  catch 0x123456789  L'w'  ! 12L : >> __try	<  < - 
/* main.cpp 1055: */+= .5<  <		  alpha_beta_gamma_delta try
/* main.cpp 1056: */try s.x 'c' 
/* main.cpp 1057: */^=  . x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1234567890  ( ... s.*p-	12*  >  >=	:
/* main.cpp 1058: */ :	defined &&  
/* main.cpp 1059: */x{ class >>	||9  
/* main.cpp 1060: */.* ;int ->* -
/* main.cpp 1061: */ >
/* main.cpp 1062: */
/* main.cpp 1063: */q
/* main.cpp 1064: */
/* main.cpp 1065: */> x=1;->  __try ++ 
/* main.cpp 1066: */q  L'w'L"ws" f(1,2) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <= >>= try !	
/* main.cpp 1067: */q+=	;  f(1,2) .  >= ~	>=%	"s"0;  _asm_not	1.5 >>=	int a.*b 9	(1067
/* main.cpp 1068: */x<<=	9
/* main.cpp 1069: */9 ||0x7fffffff&
/* main.cpp 1070: */ &  
/* main.cpp 1071: */<=		1e+10f<<	:
/* main.cpp 1072: */ :	1072 0;	>  >= >  
/* main.cpp 1073: */-=->* ^=  a L"ws" ?
/* main.cpp 1074: */L"ws"<   <<  >=try  {: ->*	]  try--	
/* main.cpp 1075: */|| defined x 	 1 12L a x::y != 1 &&!= ?077 
/* main.cpp 1076: */<  < ,	(__try this  ::  'c'  , ++  
/* main.cpp 1077: */x++  ...	Lname  >> catch >=  << !=  
/* main.cpp 1078: */[ class catch-= :  "s" Lname alpha_beta_gamma_delta int,  : 
/* main.cpp 1079: */077 1 ]  == _asm_not  >>  {  ] 1<. ::    (	; !=   
/* main.cpp 1080: */s.*p ].5 12 ? -
/* main.cpp 1081: */ > x !=  , 12  1u	? 
/* main.cpp 1082: */ab  ->*	x 
/* main.cpp 1083: */-  -! % 0x7fffffff {
/* main.cpp 1084: */(2) 1u  Lname ==+=  ... ::  this {  this	x )	-  -} <<=  -  -+=	.5  
/* main.cpp 1085: */
/* main.cpp 1086: */q
/* main.cpp 1087: */
/* main.cpp 1088: */>  >= {	---=  catch 12	;	1e+10f 
/* main.cpp 1089: */ab ... <  < 0; -  - .*	s.*p s.x	L"ws"||<< 
/* main.cpp 1090: */ab	4e5 [. !=
/* main.cpp 1091: */
/* main.cpp 1092: */12 
/* main.cpp 1093: */x=1;	 
/* main.cpp 1094: */+= /  1.5^=  ++  * try  -  -  -  _asm_not  ==12L< 
/* main.cpp 1095: */xM(q) ... 
/* main.cpp 1096: */this  1e+10f 077 &
/* main.cpp 1097: */ &a.*b .*)->*  ^=try  >=	a :	-- defined >>a->*b!L'w' .
/* main.cpp 1098: */.5 alpha_beta_gamma_delta > (,	
/* main.cpp 1099: */ab ? { >=123456789 z(2)
/* main.cpp 1100: */z(2)+= .*	{  x::y 0x123456789 
/* main.cpp 1101: */a.*b 1 ! 1.5 9  1u--	 _asm_not ]  w alpha_beta_gamma_delta  ^=  alpha_beta_gamma_delta 
/* main.cpp 1102: */s.*p  ==	0x7fffffff 123456789  s.x  int 
/* main.cpp 1103: */~ . Lname : ...  0x7fffffff >> 9  
/* main.cpp 1104: */_asm_not a
/* main.cpp 1105: */0x123456789 x=1;  
/* main.cpp 1106: */
/* main.cpp 1107: */
/* main.cpp 1108: */ab-=  <  <123456789  L'w'  :<{  alpha_beta_gamma_delta  1e+10f  1108 12 1 a.*b  [	&
/* main.cpp 1109: */ & 
/* main.cpp 1110: */[{  {  .*  [	a>>=>	-
/* main.cpp 1111: */ >  1234567890  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	
/* main.cpp 1112: */<< 9
/* main.cpp 1113: */9 0;  12 12 0;	class LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 077>  >=  <  this __try	0x7fffffff  L"ws"	
/* main.cpp 1114: */L"ws"	'c'  _asm_not  ! s.x  ;>> 
/* main.cpp 1115: */
/* main.cpp 1116: */-9
/* main.cpp 1117: */9 >> >  >= &&  4e5  <  <  w Lname 0  !int% a.*b)  / catch /w this
/* main.cpp 1118: */~ 
/* main.cpp 1119: */(2) "s"... . >  >=	:: ::(123456789)   
/* main.cpp 1120: */int	z(2)  }; 
/* main.cpp 1121: */f(1,2)	w  L"ws" 
/* main.cpp 1122: */9
/* main.cpp 1123: */9	123456789->* <= :f(1,2) 0; +=  9  123456789  >>=   
/* main.cpp 1124: */
/* main.cpp 1125: */+=  1e+10f<<= __try  
/* main.cpp 1126: */
/* main.cpp 1127: */q
/* main.cpp 1128: */
/* main.cpp 1129: */z(2)	9 
/* main.cpp 1130: */defined alpha_beta_gamma_delta  -  -  *s.x .5 / ]	0x123456789 &
/* main.cpp 1131: */ &0 /  ->*  
/* main.cpp 1132: */z(2) ::  >> x::y >=  >> (
/* main.cpp 1133: */
/* main.cpp 1134: */ab != 0x7fffffff L"ws"
/* main.cpp 1135: */
/* main.cpp 1136: */%f(1,2)  catch -  -  ^= -   
/* main.cpp 1137: */ -  -  -= .5 x=1;  -- :1e+10f   
/* main.cpp 1138: */"s"->*-=>  >=	&& ]  , 	:  try ?_asm_not	>  >=  <  <
/* main.cpp 1139: */ab	-  --> _asm_not 
/* main.cpp 1140: */->*  try { *.	>  >=+a s.*p<=+=  s.x	<<  -  -   - 1e+10f  
/* main.cpp 1141: */-=a.*b defined alpha_beta_gamma_delta >>
/* main.cpp 1142: */xf(1,2)  q  1142 %&& 
/* main.cpp 1143: *//  >>=<  <  ^=catch:
/* main.cpp 1144: */ : ...  <<= 0x123456789	this	>=  x::y  f(1,2)  9
/* main.cpp 1145: */9 a	!=	>  >=123456789 --a^= != 
/* main.cpp 1146: */>  >=  1146	4e5 <<=] <<=  x s.x >>=  :
/* main.cpp 1147: */ : ++ ->	- +(		}	x::y 0x123456789 catch   catch
/* main.cpp 1148: */x||(2)/  q  	*  ->* L"ws"  (  1234567890 1148 1.5 { 1234567890 >=%  a	!  1 ::	
/* main.cpp 1149: */
/* main.cpp 1150: */L'w' 0x7fffffff 9
/* main.cpp 1151: */9 a 4e5 1 / LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  catch	12L || -=->*  x 
/* main.cpp 1152: */+= <='c' 
/* main.cpp 1153: */)  .* 9	 
/* main.cpp 1154: */s.x  ; } 1  x::y 1.5  this 12 defined x a-> 9
/* main.cpp 1155: */9 ... 1 s.*p _asm_not +=
/* main.cpp 1156: */x__try	a->*b 077&
/* main.cpp 1157: */ & <  <  -  -	<  <  ~  a  , ?
/* main.cpp 1158: */4e5 s.x <= 1u  >  >= s.x 12 
/* main.cpp 1159: */>> q  ^= try  , x&
/* main.cpp 1160: */ & 
/* main.cpp 1161: */0 a 
/* main.cpp 1162: */>>s.*p ->* Lname &
/* main.cpp 1163: */ &	^= +  
/* main.cpp 1164: */
/* main.cpp 1165: */
/* main.cpp 1166: */ += ->* "s"	+ -> 1e+10f	+ /  	
/* main.cpp 1167: */%  
/* main.cpp 1168: */> int 077 
/* main.cpp 1169: */== 
/* main.cpp 1170: */+=L'w'  ; >=  L'w'<=  !=, 123456789 class s.x 12L defined <1170 1   f(1,2) 
/* main.cpp 1171: */
/* main.cpp 1172: */q
/* main.cpp 1173: */
/* main.cpp 1174: */x=1;  try 1u  {  a.*b L"ws"1e+10f catch this  Lname ...	12L  ,	0x123456789 9
/* main.cpp 1175: */9 1e+10f :  >= x class	123456789 
/* main.cpp 1176: */
/* main.cpp 1177: */-
/* main.cpp 1178: */ >	.5  077 9	0x7fffffff) (2)  	 	? "s"a	L'w' _asm_not }	++
/* main.cpp 1179: */>  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  1179 
/* main.cpp 1180: */
/* main.cpp 1181: */alpha_beta_gamma_delta  >>=0;  s.x -> ==x L"ws"  :
/* main.cpp 1182: */ :	4e5 1  12L   12L	->*  1234567890 
/* main.cpp 1183: */
/* main.cpp 1184: */_asm_not 1234567890 w .5 
/* main.cpp 1185: */'c'123456789   0x7fffffff	==f(1,2) : >=  .*  s.*p 
/* main.cpp 1186: */+= 9 }] -=  << ^=	x 1e+10f 
/* main.cpp 1187: */. defined 1187 
/* main.cpp 1188: */>  ^= <1188== LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  f(1,2)
/* main.cpp 1189: */+= w 0x7fffffff += { 9
/* main.cpp 1190: */9<  < int  !>=  
/* main.cpp 1191: */x 
/* main.cpp 1192: */-=  > ~
/* main.cpp 1193: */_asm_not _asm_not 1234567890 z(2)	<<=1 Lname class? :: -=	z(2) ~ , != ]	w	(2)a->*b>  >= class	[ x  
/* main.cpp 1194: */+=
/* main.cpp 1195: */::	... &
/* main.cpp 1196: */ & <  <
/* main.cpp 1197: */.5 -=	9!= ::  - ?*  "s" -  -1234567890> -- / 
/* main.cpp 1198: */-  L"ws"LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  . s.x  
/* main.cpp 1199: */(  0x123456789(	==!  ... ]this  +  L'w'"s" :
/* main.cpp 1200: */ :  1234567890 ->* L"ws"	
/* main.cpp 1201: */
/* main.cpp 1202: */<=~	<  <123456789	;  )  1u?  :
/* main.cpp 1203: */ :  } }
/* main.cpp 1204: */x::y>=	)	 -  -   --  {  * 1234567890 x::y<  <  { ]s.x&
/* main.cpp 1205: */ & 1  -=% 1205>=  1	&
/* main.cpp 1206: */ &	L"ws"	
/* main.cpp 1207: */x1234567890 . s.*p }  >=	-
/* main.cpp 1208: */ >,	0x7fffffff	9
/* main.cpp 1209: */9 "s" 0; 123456789 -> ~	077 >> -=	{ 
/* main.cpp 1210: */::  >	+=	_asm_not  __try  1u	s.x>  >= (2)a.*b	f(1,2)alpha_beta_gamma_delta "s"-
/* main.cpp 1211: */ >+ :		> 
/* main.cpp 1212: */+= }
/* main.cpp 1213: */x<  defined++  ] a.*b catch	) .* [  f(1,2)  %  +./ L'w' ->* alpha_beta_gamma_delta Lname 077 
/* main.cpp 1214: */
/* main.cpp 1215: */q
/* main.cpp 1216: */
/* main.cpp 1217: */.5 
/* main.cpp 1218: */,%  
/* main.cpp 1219: */ab :	this	x=1; :  
/* main.cpp 1220: */ab  >> 
/* main.cpp 1221: */x::y/ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L'w'  <
/* main.cpp 1222: */1234567890 << || "s"  this  x  s.x _asm_not -> .*1234567890 12  ^= a.*b  << && <<=<=<= 	} 
/* main.cpp 1223: */( <=<<= a __try >  >= __try )	% 
/* main.cpp 1224: */
/* main.cpp 1225: */-- >  
/* main.cpp 1226: */:
/* main.cpp 1227: */ :  -  -  defined  1227 Lname __try >> }  <	f(1,2) /0x7fffffff[  (  x::y defined q 
/* main.cpp 1228: */:
/* main.cpp 1229: */ : ||(2) ( ++	
/* main.cpp 1230: */+=  :
/* main.cpp 1231: */ : 
/* main.cpp 1232: */ab 
/* main.cpp 1233: */int	w  +=  (2):
/* main.cpp 1234: */ :-  -   > try ^=	>>	->*0x123456789  0x123456789 
/* main.cpp 1235: */
/* main.cpp 1236: */ab  (|| ||  x::y LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>  >= alpha_beta_gamma_delta  Lname
/* main.cpp 1237: */~ <	0x123456789 -  - f(1,2) ->* <=/ 
/* main.cpp 1238: */x->*	'c's.x 9 ->  ] &&077	'c'1u  a->*b 
/* main.cpp 1239: */x .5 
/* main.cpp 1240: */(  	  q 0x123456789 x::y  __try :
/* main.cpp 1241: */ : s.*p  <  < ||	{<	
/* main.cpp 1242: */+= 0 w 1.5  x=1; ...
/* main.cpp 1243: */xs.x 9
/* main.cpp 1244: */9  x::y ...  ( (2) 	 
/* main.cpp 1245: */1u 0x7fffffff LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  * L"ws"	077>> 1e+10f { ? s.*p  z(2)  
/* main.cpp 1246: */
/* main.cpp 1247: */*1247	L'w'  f(1,2)  :	'c'  077 ...0x123456789 Lname	<=this  ? "s" s.x a->*b 	 ?	0  int  
/* main.cpp 1248: */z(2) !=	0x123456789  ~    L"ws"12 L'w' --__try 9
/* main.cpp 1249: */9   ->*  ) 9 >> z(2) 0 
/* main.cpp 1250: */s.*p 1250 <=  *  x  12L  __try ... <  < 1250  
/* main.cpp 1251: */
/* main.cpp 1252: */++1.5  s.*p 
/* main.cpp 1253: */:  0	
/* main.cpp 1254: */x1 .5!=    __try % 1u ;--  >> >=	;  (&& &&  
/* main.cpp 1255: */ab 
/* main.cpp 1256: */) >>=	0x7fffffff catch 0;		-> 1e+10f  / >>  Lname	 
/* main.cpp 1257: */L'w'
/* main.cpp 1258: */12L	.5  ~  ->*9
/* main.cpp 1259: */9 ,  x try 
/* main.cpp 1260: */12 9	_asm_not 
/* main.cpp 1261: */ab 
/* main.cpp 1262: */xs.*p  0  
/* main.cpp 1263: */>=  1u 1.5 defined s.*p  s.x ||<: {
/* main.cpp 1264: */% --s.*p 0x7fffffff 123456789 <= a.*b  ( 
/* main.cpp 1265: */
/* main.cpp 1266: */q
/* main.cpp 1267: */
/* main.cpp 1268: */... z(2)	-> this defined  1234567890 123456789<=  -
/* main.cpp 1269: */ > [ class  a.*b 'c'  L"ws":: --a.*b q  
/* main.cpp 1270: */12  +=(2)>> ]w a.*b<=	 -s.*p 
/* main.cpp 1271: */.* 0/	&& 'c' --L"ws" +=-- catch .*	4e5  .5 L'w' 12	123456789  catch 123456789 ^=  >>=>>=	123456789	
/* main.cpp 1272: */x<  <  ~  1234567890	q  _asm_not  0x123456789	:: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws"LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ^=	
/* main.cpp 1273: */% 4e5 >= ]	catch  (.*  ?  a.*b  !=  w	
/* main.cpp 1274: */ab  /  12 a->*b ,  class  <<= x::y! Lname L'w'	
/* main.cpp 1275: */
/* main.cpp 1276: */'c'  {	-  -  _asm_not	+=defined alpha_beta_gamma_delta>> 1276 &
/* main.cpp 1277: */ &Lname&
/* main.cpp 1278: */ &  'c'1u int 
/* main.cpp 1279: */ab try * ->*	x::y	12->*	
/* main.cpp 1280: */
/* main.cpp 1281: */q
/* main.cpp 1282: */
/* main.cpp 1283: */catch	defined try 
/* main.cpp 1284: */w  >  >=  ^=z(2) :
/* main.cpp 1285: */ :	== .5'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1^= 12'c'== q
/* main.cpp 1286: */>>= a->*b ->*< (2)>> 0x7fffffff alpha_beta_gamma_delta 1e+10f _asm_not  >  >=  a->*b ^=  .5 12 -  -__try 
/* main.cpp 1287: */
/* main.cpp 1288: */1.5 class 9
/* main.cpp 1289: */9 <<=}a->*b 1u x  L"ws". ; 0x123456789 s.x	! x=1; 1e+10f	"s"   
/* main.cpp 1290: */a.*b <<= s.*p  
/* main.cpp 1291: */9
/* main.cpp 1292: */9  1u x  ]  s.x	s.*p  ? class  'c' ->* a->*b ->	,  >>  --	
/* main.cpp 1293: */a  >=  1 1293 x::y  defined 
/* main.cpp 1294: */
/* main.cpp 1295: */~ <
/* main.cpp 1296: */+= &&a	:	>  >= 123456789  .5 >>= -
/* main.cpp 1297: */ >int a->*b	<<= == .* a.*b	. 1234567890 ? !=	- 
/* main.cpp 1298: */
/* main.cpp 1299: */. x  4e5	&& 
/* main.cpp 1300: */1234567890 { Lname  <<===  
/* main.cpp 1301: */+=1301	, int 9>> try	/>  >=  
/* main.cpp 1302: */
/* main.cpp 1303: */w	1
/* main.cpp 1304: */+= : ~ !=	&& a.*b  _asm_not	a->*b 
/* main.cpp 1305: */x=1;"s"-
/* main.cpp 1306: */ >  == 
/* main.cpp 1307: */[! 12L  >>=	[ ;	
/* main.cpp 1308: */% 1.5  this>>=  , x=1;  !=  ... z(2) -
/* main.cpp 1309: */ >  <<s.*p ||  w +0;  0x7fffffff	   
/* main.cpp 1310: */<<=  !=
/* main.cpp 1311: */.*0 9 f(1,2)int	Lname^=a.*b  !=<  <	12L x::y 1234567890	-
/* main.cpp 1312: */ >   >=  <<=  ; 1312	class  : 0 >> <  <
/* main.cpp 1313: */a
/* main.cpp 1314: */Lname  [ 0x123456789  1.5	<  < 
/* main.cpp 1315: */ <  >>  123456789	->  }	>=	[+  ~  s.*p ]q -
/* main.cpp 1316: */ >	123456789&
/* main.cpp 1317: */ &this	
/* main.cpp 1318: */ab -= >
/* main.cpp 1319: */x::y  
/* main.cpp 1320: */
/* main.cpp 1321: */q
/* main.cpp 1322: */
/* main.cpp 1323: */--	&&  0x7fffffff->* .5   
/* main.cpp 1324: */defined s.x &
/* main.cpp 1325: */ & x	!=;  _asm_not  *		class(  >  >=  + 1e+10f	)4e5 1325 .*  "s" 
/* main.cpp 1326: */1326/	s.x
/* main.cpp 1327: */-  -  ;  ++	9
/* main.cpp 1328: */9  :>=  int% ->*  :
/* main.cpp 1329: */ : L"ws"try  :
/* main.cpp 1330: */ :x=1;
/* main.cpp 1331: */
/* main.cpp 1332: */q
/* main.cpp 1333: */
/* main.cpp 1334: */(
/* main.cpp 1335: */}L"ws" : < q  &
/* main.cpp 1336: */ & ; 0x7fffffff 12L  s.*p z(2)catch  >>= --  ;  &&  >  >=.*  
/* main.cpp 1337: */
/* main.cpp 1338: */q
/* main.cpp 1339: */
/* main.cpp 1340: */1234567890  <<= <defined x  s.x  1 /  1e+10f> catch  ->-  -	(:
/* main.cpp 1341: */ :  ::z(2)>> .5 ->>  >=0  [ -
/* main.cpp 1342: */ > 
/* main.cpp 1343: */]	.*	}   >>	&
/* main.cpp 1344: */ &   	12  >... x 
/* main.cpp 1345: */
/* main.cpp 1346: */q
/* main.cpp 1347: */
/* main.cpp 1348: */a.*b-  -   
/* main.cpp 1349: */ab a.*b 1349,/ .	};	[	1u a.*b 1u  
/* main.cpp 1350: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 a.*b x a >  >=- . -  :  try< 1e+10f<  < { x::y a->*b  -
/* main.cpp 1351: */ >	.5}  
/* main.cpp 1352: */ab LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.cpp 1353: */x::y a
/* main.cpp 1354: */1e+10f }w 9  -
/* main.cpp 1355: */ >->*	1u x=1; ++ <	-
/* main.cpp 1356: */ >  
/* main.cpp 1357: */+=1357 a->*b  "s" 1u	f(1,2) ~^=	== 077 123456789	
/* main.cpp 1358: */
/* main.cpp 1359: */q
/* main.cpp 1360: */
/* main.cpp 1361: */->  077 L"ws" a.*b	1u	&
/* main.cpp 1362: */ & 0x7fffffff 123456789 :
/* main.cpp 1363: */ :	9
/* main.cpp 1364: */9 - a  a->*b w L"ws"  % 
/* main.cpp 1365: */ab  :: _asm_not  1.5 ] ~  <<=  w 
/* main.cpp 1366: */
/* main.cpp 1367: */z(2)~  Lname  L"ws"<< <<  ... z(2)[<  < ->} .5  ->0;	0x7fffffff  %	
/* main.cpp 1368: */end
/* main.cpp 1369: */
/* main.cpp 1370: */