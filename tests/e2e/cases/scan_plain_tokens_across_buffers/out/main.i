/* main.c 1: */
/* main.c 2: */L"ws"<<=|| +=[ 
/* main.c 3: */~ 
/* main.c 4: */.5  ]a.*bs.xLnameL== %s.x <  < a.*b,  1u  .5  } 1234567890 "s"M :: 'c'defined 12 <<=    defined 
/* main.c 5: */
/* main.c 6: */w-  -  1.5 "s" 
/* main.c 7: */aba.*b-> *-  - L'w'<  < 12 -  - 
/* main.c 8: */x (2) +=  12  : 
/* main.c 9: */
/* main.c 10: */q
/* main.c 11: */
/* main.c 12: */
/* main.c 13: */
/* main.c 14: */&
/* main.c 15: */ &
/* main.c 16: */+=
/* main.c 17: */^= ^= ?  ...   12    (2)!= 0; . Lname<  <   12L , }-- Lname  .5  ||(2) }^=
/* main.c 18: */ab
/* main.c 19: */y 
/* main.c 20: */
/* main.c 21: */w
/* main.c 22: */xL 'w' ::>> >= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  123456789  >  >=int 'c'&&>( ] 0  ], ? 
/* main.c 23: */
/* main.c 24: */q
/* main.c 25: */
/* main.c 26: */int&,
/* main.c 27: */
/* main.c 28: */abab-
/* main.c 29: */ > :: { 
/* main.c 30: */z(2)
/* main.c 31: */
/* main.c 32: */zab>>-{) 12L  >>(int 
/* main.c 33: */x% 9
/* main.c 34: */9 +  +^=!=  .  ==,[ [ ~L"ws"   +=
/* main.c 35: */+=+  +(7) 0  ^=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1;^= 
/* main.c 36: */y-L"ws" 123456789 ::+= & || 1.5  ->(2)x=1;>  >=  0;
/* main.c 37: */z:>{==<<=
/* main.c 38: */-  -  -^=f(1,2)%  ==]|| 
/* main.c 39: */
/* main.c 40: */w -  -| 0;   "s" -
/* main.c 41: */ >  1u LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (7) 0;--?:: * ; !=&  &> 1234567890 s.xL "ws" +=;<<= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> ] -defined  *L~| ; L'w' 123456789  0x1F &  & 
/* main.c 42: */ab< LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u  0;
/* main.c 43: */
/* main.c 44: */. 
/* main.c 45: */
/* main.c 46: */q
/* main.c 47: */
/* main.c 48: */L'w'?  12L  
/* main.c 49: */ab!=  4e5 <+= 
/* main.c 50: */-  - 9
/* main.c 51: */9   0x1F  ; 
/* main.c 52: */
/* main.c 53: */-
/* main.c 54: */ > 1u  _asm_notL 'w' ; 
/* main.c 55: */&{ alpha_beta_gamma_delta &&  ...  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  4e5  a.*b^= 9
/* main.c 56: */9  L"ws"
/* main.c 57: */
/* main.c 58: */q
/* main.c 59: */
/* main.c 60: */[30]L 0; 0   123456789  .5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1a.*b<  <f(1,2) int  12L  :: 
/* main.c 61: */
/* main.c 62: */4e5   1234567890 
/* main.c 63: */
/* main.c 64: */w 1 0 &&->
/* main.c 65: */y <<=~}  . 
/* main.c 66: */
/* main.c 67: */q
/* main.c 68: */
/* main.c 69: */<<=<  < Lf(1,2)  9
/* main.c 70: */9  <>  >=  .5  
/* main.c 71: */z *||&  &(7) 
/* main.c 72: */x- 1u  >>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=
/* main.c 73: */
/* main.c 74: */} &&  123456789  -
/* main.c 75: */ >  4e5 --?
/* main.c 76: */
/* main.c 77: */w | 
/* main.c 78: */
/* main.c 79: */w  %
/* main.c 80: */80 defined-{ 0x1F  ->  ...  
/* main.c 81: */Lname Lname 12 ^= *"s" 
/* main.c 82: */4e5  1u >> 	 == 12  1u  
/* main.c 83: */y 12   .   .  
/* main.c 84: */z f(1,2) }
/* main.c 85: */
/* main.c 86: */q
/* main.c 87: */
/* main.c 88: */
/* main.c 89: */
/* main.c 90: */
/* main.c 91: */
/* main.c 92: */1u  &&  1.5  ~  .5  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	  123456789  * +=s.x!= 123456789 [ : f(1,2)L'w'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 93: */
/* main.c 94: */y
/* main.c 95: */
/* main.c 96: */w  123456789 
/* main.c 97: */
/* main.c 98: */:: ^=<  < f(1,2)1 L != _asm_not 'c' 4e5   12L -- 'c'a.*b >  9
/* main.c 99: */9   1234567890  1 "s":~int .  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 &  &>> -  - _asm_not     0x1F  0  
/* main.c 100: */
/* main.c 101: */q
/* main.c 102: */
/* main.c 103: */L'w', ]  0x1F  [30];
/* main.c 104: */
/* main.c 105: */w-  -  9
/* main.c 106: */9   int%+= 
/* main.c 107: */
/* main.c 108: */"s">>108  . 
/* main.c 109: */x -  -
/* main.c 110: */alpha_beta_gamma_delta >> -} L'w'
/* main.c 111: */
/* main.c 112: */y  07 , 
/* main.c 113: */y 	  4e5 L 
/* main.c 114: */x += ->defined 114(2) >  >= &  9
/* main.c 115: */9  12L -> ? 
/* main.c 116: */x
/* main.c 117: */!=; 'c'^=L"ws"1  9
/* main.c 118: */9  { | ->
/* main.c 119: */zL "ws" 
/* main.c 120: */<<= >>   
/* main.c 121: */
/* main.c 122: */ ==[30]~-  - 0x1F   .5  <{; ^= a.*b -> :?||_asm_not 
/* main.c 123: */y?  0x1F  Lname a.*b <<= )>-  -::[30] _asm_not % <  . x	;<<= 
/* main.c 124: */
/* main.c 125: */q
/* main.c 126: */
/* main.c 127: */->^=&&	-  - Lname  .5   -
/* main.c 128: */ >}
/* main.c 129: */
/* main.c 130: */&&-
/* main.c 131: */ >| Lnamef(1,2) [30] 0  
/* main.c 132: */ab (7) -> 
/* main.c 133: */
/* main.c 134: */w{ L
/* main.c 135: */z x=1; [30]|](2)
/* main.c 136: */y [ (7) 
/* main.c 137: */+= :,  1.5 &  & L"ws"  9
/* main.c 138: */9  4e5  . a.*b 
/* main.c 139: */
/* main.c 140: */) [30]
/* main.c 141: */x [30]1
/* main.c 142: */y-> 
/* main.c 143: */
/* main.c 144: */+  +  12L  "s" 0;  0  . == ->>  >=, 
/* main.c 145: */
/* main.c 146: */w (] 
/* main.c 147: */ab< (2) 1  0 
/* main.c 148: */z >~ _asm_not   &
/* main.c 149: */>  123456789  -
/* main.c 150: */ >
/* main.c 151: */
/* main.c 152: */a.*b::  1234567890  -
/* main.c 153: */ >  >>)Lname (7)  12L a.*b "s"_asm_not  0x1F 
/* main.c 154: */-
/* main.c 155: */ >!=(2)LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  .5  :: 1234567890  a.*b == [30]| :
/* main.c 156: */
/* main.c 157: */12L  -  - x  1.5  9
/* main.c 158: */9 
/* main.c 159: */(7): alpha_beta_gamma_delta  1234567890  ; +=::  1u { {f(1,2)f(1,2)(2) L'w'  4e5  
/* main.c 160: */zalpha_beta_gamma_delta 
/* main.c 161: */
/* main.c 162: */x  . ]> _asm_not >  >=>*&  &(7) 0x1F [  0  >{L"ws"  ~  4e5 -  - 1234567890  123456789 int?L'w'<<=( int [30]
/* main.c 163: */abint == 12L  ->->-
/* main.c 164: */ >  1234567890 -> } _asm_not  12L   4e5 
/* main.c 165: */z ||f(1,2) "s" > <Lname x=1; 12 intint|| Lname[&& 12  alpha_beta_gamma_delta 12 Lname 
/* main.c 166: */
/* main.c 167: */w >  >=; ...   0; | [?-->> 1.5  4e5  ||&&f(1,2) } 
/* main.c 168: */0   4e5  1  9
/* main.c 169: */9 x=1;
/* main.c 170: */ab(7) 
/* main.c 171: */
/* main.c 172: */L"ws" 
/* main.c 173: */<!= f(1,2)~* [30] ^=L"ws"
/* main.c 174: */ab L"ws">:: +  +  %'c'{ :: x 
/* main.c 175: */0  0x1F %   :
/* main.c 176: */...   -  -f(1,2)?f(1,2) 
/* main.c 177: */4e5      4e5  
/* main.c 178: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	+  +;L"ws"::  07  {||1
/* main.c 179: */y 12L 	1 <  <  0;-(2) += 
/* main.c 180: */x   &  & > 'c' 123456789 ( -> 12L  f(1,2)]%  12L 	 0x1F  .  
/* main.c 181: */y ? 
/* main.c 182: */
/* main.c 183: */
/* main.c 184: */z &  .  
/* main.c 185: */z[30]+  +^=  .5 ==
/* main.c 186: */abx} .  x=1; %;
/* main.c 187: */ab} 1234567890  >  >=&& 1u 'c' >  >= >>
/* main.c 188: */-->== 1.5  
/* main.c 189: */x
/* main.c 190: */
/* main.c 191: */w (alpha_beta_gamma_delta L"ws" .5  0x1F &  &  12L  f(1,2) (2) 191||
/* main.c 192: */
/* main.c 193: */w%   defined +  + 
/* main.c 194: */y 1u } defined 1u   0x1F  
/* main.c 195: */
/* main.c 196: */q
/* main.c 197: */
/* main.c 198: */0  0  }- "s"!= 12L  L  1u  07   alpha_beta_gamma_delta 
/* main.c 199: */y+  +  0 (2) %>  >=<  < LM) ;   .  == 1.5 'c' _asm_not 
/* main.c 200: */a.*bLname(7) -   x 9
/* main.c 201: */9 +  +
/* main.c 202: */y 1u  f(1,2)^=
/* main.c 203: */<  <&& - LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  .5  ;-
/* main.c 204: */ >> >=>>  1.5 1<Lnamex  . [30] L'w'  9
/* main.c 205: */9  
/* main.c 206: */
/* main.c 207: */w "s" s.x
/* main.c 208: */y%-- f(1,2)   
/* main.c 209: */
/* main.c 210: */.5  &  .  9
/* main.c 211: */9  x=1;x 9
/* main.c 212: */9 a.*b: <  < ? 12 L"ws" 
/* main.c 213: */L %s.x  1u 
/* main.c 214: */
/* main.c 215: */q
/* main.c 216: */
/* main.c 217: */>>
/* main.c 218: */
/* main.c 219: */w{? +=
/* main.c 220: */x<xM 1234567890 -> a.*b>(7)  0 , &&  0x1F   .5  (7): 
/* main.c 221: */
/* main.c 222: */q
/* main.c 223: */
/* main.c 224: */:: 
/* main.c 225: */x^= int (7)||  .5  .5  &
/* main.c 226: */
/* main.c 227: */x=1;<defined ; int  1.5  1-> 12L  -&&  .5  &&-  -;| ~] <+=intLname  0;f(1,2)
/* main.c 228: */z % alpha_beta_gamma_delta&  & ...  .  L"ws"  
/* main.c 229: */z 
/* main.c 230: */%x,|] [30]==|| 4e5  defined ? 4e5  230 += 
/* main.c 231: */
/* main.c 232: */%^= 	 int  0x1F  ( :: 
/* main.c 233: */z  0; -  - 1.5  12  {
/* main.c 234: */~||   += 0x1F   12L   0  == 123456789  -
/* main.c 235: */ >	 s.x ;?{&&
/* main.c 236: */
/* main.c 237: */q
/* main.c 238: */
/* main.c 239: */) (2) 4e5 a.*b x (7)+=
/* main.c 240: */ab  12L 
/* main.c 241: */
/* main.c 242: */q
/* main.c 243: */
/* main.c 244: */
/* main.c 245: */z -  - ;-
/* main.c 246: */ > alpha_beta_gamma_delta 
/* main.c 247: */
/* main.c 248: */<<= :L"ws"
/* main.c 249: */+= ::
/* main.c 250: */
/* main.c 251: */q
/* main.c 252: */
/* main.c 253: */int 1234567890  :]( <int ,  9
/* main.c 254: */9 
/* main.c 255: */x
/* main.c 256: */||L 
/* main.c 257: */x 0 --   07 ? s.x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 9
/* main.c 258: */9  123456789  Lnamedefined__LINE__ .5 L"ws" 1.5  (7) <  <:+  +-
/* main.c 259: */ > ; 
/* main.c 260: */-  -  ==ML f(1,2)&  & 4e5 _asm_not< xL L'w' (  9
/* main.c 261: */9  0;>> 1234567890 
/* main.c 262: */!=	&  && 12 (2)]{-
/* main.c 263: */ > 1u  
/* main.c 264: */zL 'w' 264  0;a.*b 
/* main.c 265: */+= ~ L"ws" 12 [ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->
/* main.c 266: */ab+=
/* main.c 267: */::&  &^=-  - &  & (2)(7) 
/* main.c 268: */y  4e5 !=::  1u 
/* main.c 269: */
/* main.c 270: */q
/* main.c 271: */
/* main.c 272: */s.x &x=1; 
/* main.c 273: */
/* main.c 274: */12  0x1F   123456789 alpha_beta_gamma_delta
/* main.c 275: */
/* main.c 276: */q
/* main.c 277: */
/* main.c 278: */'c' 'c'
/* main.c 279: */a.*b 279 x=1;L"ws" 
/* main.c 280: */x <
/* main.c 281: */
/* main.c 282: */q
/* main.c 283: */
/* main.c 284: */1234567890  1234567890 
/* main.c 285: */(7)
/* main.c 286: */
/* main.c 287: */+= &  & x 123456789  	  s.x ,
/* main.c 288: */
/* main.c 289: */w[30] ...   123456789 && "s" <<= 0;  . >  >=  0;   123456789   0; ,+=x=1;  .5  12L >  >=alpha_beta_gamma_delta >  >='c' ||-  - ) 1u f(1,2) 0;s.x x=1; | 0; || (7)
/* main.c 290: */x+=<  <L"ws" ~ (  4e5  a.*b , ]a.*bL[30] ]  ... "s" 1 x=1; 
/* main.c 291: */
/* main.c 292: */q
/* main.c 293: */
/* main.c 294: */-> a.*b L'w' 
/* main.c 295: */
/* main.c 296: */w : ( ;  0x1F  -
/* main.c 297: */ >  1234567890 297->
/* main.c 298: */
/* main.c 299: */ab  12  
/* main.c 300: */-  - ^= != *!=
/* main.c 301: */x~ 
/* main.c 302: */+=   a.*b 
/* main.c 303: */y?&  & >
/* main.c 304: */[ -&&*  .5  x &&? +  +->-
/* main.c 305: */ >'c' L'w'  12     
/* main.c 306: */x 4e5 !=) &  &>  >= 	 
/* main.c 307: */x    4e5   0x1F  x=1;&  & L
/* main.c 308: */'c' L 4e5 )?(7) 
/* main.c 309: */s.x alpha_beta_gamma_delta  .  La.*bLname<  < "s" 
/* main.c 310: */ab&&(2)&
/* main.c 311: */ab
/* main.c 312: */defined>  >= 4e5  0; } 0;!=,  1.5   07   12L  > += 
/* main.c 313: */ab{== 
/* main.c 314: */
/* main.c 315: */w~alpha_beta_gamma_delta
/* main.c 316: */f(1,2) 'c' %~ -(^=
/* main.c 317: */x --x } & --
/* main.c 318: */
/* main.c 319: */| 
/* main.c 320: */x 0x1F  <<= 
/* main.c 321: */x
/* main.c 322: */
/* main.c 323: */w 323 .5  f(1,2)
/* main.c 324: */07  
/* main.c 325: */+=f(1,2) (2) .  .  ==int% ; 123456789 <  < L'w'L"ws" f(1,2)"s" ==< L  4e5  [
/* main.c 326: */
/* main.c 327: */q
/* main.c 328: */
/* main.c 329: */'c' 4e5  >  >= ==  L
/* main.c 330: */z  (2) 0; 12  +=  ->-  -)( alpha_beta_gamma_delta .5  .5  >>(7) 1234567890 ^=x=1;+=330'c'  
/* main.c 331: */z== defined 12L  , 
/* main.c 332: */
/* main.c 333: */%   ~ ? {-- <,<?]-- ... 	
/* main.c 334: */0 -- 0; <  < (,&& [30] ~ L  9
/* main.c 335: */9 1 ==&&{
/* main.c 336: */+= defined<  <  <  123456789 
/* main.c 337: */
/* main.c 338: */w x=1; 
/* main.c 339: */+=x=1; &  & 
/* main.c 340: */+= 
/* main.c 341: */
/* main.c 342: */a.*bLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<=;  0x1F -  - %<>  >=*x ^=
/* main.c 343: */z_asm_not [30]&  &
/* main.c 344: */y>  >= (2)-
/* main.c 345: */ > [ !=L -
/* main.c 346: */ >346"s" a.*b? Mx=1; %% * > s.x==_asm_not||
/* main.c 347: */12L   12 ~%'c'defined 0;:  1u 347 defined
/* main.c 348: */z:
/* main.c 349: */ab } -  -
/* main.c 350: */
/* main.c 351: */'c' ...  'c'< 1u defined ,>>'c'
/* main.c 352: */x >  >=->"s"& 07  (~[ 
/* main.c 353: */
/* main.c 354: */x=1;  0 { += 9
/* main.c 355: */9  <<=s.x == *xint L"ws"int defined   &&355 9
/* main.c 356: */9  
/* main.c 357: */xint .5 "s" (2)357 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 %&& -
/* main.c 358: */ > 1234567890  1.5  x=1;?>
/* main.c 359: */zf(1,2)  1u 1-
/* main.c 360: */ >& x||-
/* main.c 361: */ >  4e5  &&[30] +=}; x=1; ^=|
/* main.c 362: */ab:
/* main.c 363: */
/* main.c 364: */q
/* main.c 365: */
/* main.c 366: */
/* main.c 367: */abL"ws"int x f(1,2)&  &+= 
/* main.c 368: */
/* main.c 369: */4e5 int >~ } 
/* main.c 370: */'c'
/* main.c 371: */
/* main.c 372: */q
/* main.c 373: */
/* main.c 374: */.5 
/* main.c 375: */z*== 12  alpha_beta_gamma_delta: <  <
/* main.c 376: */
/* main.c 377: */Lname}-
/* main.c 378: */ > 
/* main.c 379: */ =='c'-- x 'c' 
/* main.c 380: */+= ( defined-  -__LINE___asm_not{>  >= ==?::Lname "s" -- 
/* main.c 381: */
/* main.c 382: */w 123456789 )  07   07 --
/* main.c 383: */
/* main.c 384: */q
/* main.c 385: */
/* main.c 386: */<<= []*x ->{	-
/* main.c 387: */ > L"ws" .  12 >  >=* "s"	 12L  x=1;<
/* main.c 388: */{&&_asm_notLname 1.5  f(1,2)-  - s.x f(1,2) 0;  07 ~
/* main.c 389: */->  123456789  +  +L"ws"  07 (2)>
/* main.c 390: */
/* main.c 391: */yab
/* main.c 392: */z%  123456789  }-
/* main.c 393: */ > ) +  + 12L  . L -
/* main.c 394: */ >
/* main.c 395: */^=
/* main.c 396: */
/* main.c 397: */+=(7)
/* main.c 398: */
/* main.c 399: */& 
/* main.c 400: */
/* main.c 401: */
/* main.c 402: */
/* main.c 403: */)^= != (7)[30] defined< { > )  07  L"ws" >&&
/* main.c 404: */
/* main.c 405: */q
/* main.c 406: */
/* main.c 407: */{  0x1F 
/* main.c 408: */L 0x1F 
/* main.c 409: */< !=,a.*b -  - <<= 
/* main.c 410: */
/* main.c 411: */123456789 f(1,2)int  .5 
/* main.c 412: */x
/* main.c 413: */
/* main.c 414: */y ->
/* main.c 415: */
/* main.c 416: */w x{L 0x1F - <<=x &&[+={
/* main.c 417: */z 1u   ==Lname% ,alpha_beta_gamma_delta  1234567890  >  'c' 0;<  < 'c' 
/* main.c 418: */07  { }+  +a.*b defined  1.5 "s" -> .5 _asm_not 
/* main.c 419: */} ...  
/* main.c 420: */} 
/* main.c 421: */- <<=
/* main.c 422: */
/* main.c 423: */q
/* main.c 424: */
/* main.c 425: */1.5 (&  & 0x1F  1234567890 %}
/* main.c 426: */x &&   <
/* main.c 427: */^=== 
/* main.c 428: */
/* main.c 429: */?"s"^= > [ -  -L"ws" f(1,2)  . && ^=
/* main.c 430: */
/* main.c 431: */+= } 123456789  0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 432: */
/* main.c 433: */q
/* main.c 434: */
/* main.c 435: */&& & 9
/* main.c 436: */9 && 
/* main.c 437: */y ?'c'  9
/* main.c 438: */9  alpha_beta_gamma_delta ^=Lname 
/* main.c 439: */ab: -
/* main.c 440: */ > 'c' 1.5  1u  |
/* main.c 441: */x L||!=
/* main.c 442: */+= +  +-
/* main.c 443: */ > && f(1,2)
/* main.c 444: */z > ~ 
/* main.c 445: */
/* main.c 446: */q
/* main.c 447: */
/* main.c 448: */07  
/* main.c 449: */x  .5  0  {  1.5  != 1234567890 || Lnames.x ? ( >
/* main.c 450: */(7)  .5 >>[  9
/* main.c 451: */9  0;+=<<=|| [30])defined 
/* main.c 452: */x; 	_asm_not :  0;^=== ]->
/* main.c 453: */z  123456789 -> 12L   4e5  -
/* main.c 454: */ >&&
/* main.c 455: */ab
/* main.c 456: */
/* main.c 457: */q
/* main.c 458: */
/* main.c 459: */
/* main.c 460: */
/* main.c 461: */q
/* main.c 462: */
/* main.c 463: */>  >=Lname<  <
/* main.c 464: */12L  0;  ...  4e5  <?  ... ~s.x<  <Lname <  <defined ?defined
/* main.c 465: */alpha_beta_gamma_delta x=1; --
/* main.c 466: */yx=1; % [ [30] 466 * 
/* main.c 467: */1234567890 -  4e5  ; 467-
/* main.c 468: */ > 
/* main.c 469: */ab(2) "s" 0 x=1; | x ) :+  + 
/* main.c 470: */ += 1u  0;==<<<=470 0x1F  +  +<  < (7)+=
/* main.c 471: */
/* main.c 472: */q
/* main.c 473: */
/* main.c 474: */>  >=+=<  < 
/* main.c 475: */0;x=1;_asm_not
/* main.c 476: */z *  ...  0;   ... &~  07   1u  .  &  &
/* main.c 477: */
/* main.c 478: */q
/* main.c 479: */
/* main.c 480: */-
/* main.c 481: */ >& s.
/* main.c 482: */xLnameab{+= (7) L'w' ...  -
/* main.c 483: */ >; 
/* main.c 484: */y L"ws"  > "s" 
/* main.c 485: */y }[30]	"s" &
/* main.c 486: */y-  -<<= -
/* main.c 487: */ > 12 - x  .5  x=1;>->||&  &--( 12L -defined 
/* main.c 488: */
/* main.c 489: */q
/* main.c 490: */
/* main.c 491: */
/* main.c 492: */ab%(7) 12  defined	 alpha_beta_gamma_delta-  - 
/* main.c 493: */s.x&  &!= -  -~ 12  .   12  &x=1; 0; [L'w' &  &>> (7) L"ws" 1== 0  
/* main.c 494: */
/* main.c 495: */9
/* main.c 496: */9 L
/* main.c 497: */x ] defined 123456789 [} s.xint )  0    4e5  &&   ... -  -+= 1234567890  < 
/* main.c 498: */z
/* main.c 499: */<  <[30]defined-- 12 <<=(7) {{{ 0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1(2)->    f(1,2) 4e5  1.5  |"s"L'w' )  Mdefined ^= 
/* main.c 500: */y>>"s"!= 123456789  0; 
/* main.c 501: */+= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1,(7) 
/* main.c 502: */x a.*bint &&L s.x<<=defined
/* main.c 503: */x 12L alpha_beta_gamma_delta 
/* main.c 504: */+= :: !=
/* main.c 505: */a.*b<  <
/* main.c 506: */.5 Lname(&  &~
/* main.c 507: */y
/* main.c 508: */y- 9
/* main.c 509: */9  ~?  .5 ]f(1,2) ||{_asm_not  ]L 12L 	 ^=
/* main.c 510: */z::||  123456789   0;  0;
/* main.c 511: */alpha_beta_gamma_delta int>>[30] 1234567890  Lname(2)  1.5 int  0 1  . -  ---&&
/* main.c 512: */+=&&|| &  0x1F  x=1;__LINE__alpha_beta_gamma_delta L >  >=[1(2)}>>+=int==
/* main.c 513: */+=  0x1F == 'c'int || | . 
/* main.c 514: */yL "ws" :  1234567890  ?
/* main.c 515: */+=515 ~>>:: "s"defined  1234567890  1  123456789  +  +	(7) 4e5  [ x
/* main.c 516: */)(2)>  >= 12 : int }[30]f(1,2)% 9
/* main.c 517: */9   -> 1234567890  -
/* main.c 518: */ >  1.5  
/* main.c 519: */
/* main.c 520: */q
/* main.c 521: */
/* main.c 522: */0;&
/* main.c 523: */
/* main.c 524: */|| >  >= ||1 } ] }-  - [30] , && +  +L'w'; 
/* main.c 525: */z +=  .  a.*b ->  *!=
/* main.c 526: */+= ) < (--( 
/* main.c 527: */int ,~
/* main.c 528: */y alpha_beta_gamma_delta +  +  int
/* main.c 529: */
/* main.c 530: */w 1
/* main.c 531: */
/* main.c 532: */w -)
/* main.c 533: */- * 
/* main.c 534: */y defined<<=
/* main.c 535: */z .5 
/* main.c 536: */
/* main.c 537: */~ 0;[ 
/* main.c 538: */z 1!= 
/* main.c 539: */
/* main.c 540: */|| +  +-> 
/* main.c 541: */y; 4e5  0;f(1,2)_asm_not?-  - .  L"ws" .  ? 1>>_asm_not =='c'a.*b ->&  & -
/* main.c 542: */ >? 
/* main.c 543: */
/* main.c 544: */w[[ 
/* main.c 545: */y 1 L"ws" ) -  - .5  | alpha_beta_gamma_delta >
/* main.c 546: */y ~&^=(7) L"ws"+= 
/* main.c 547: */a.*b	  .5 ^=*	 
/* main.c 548: */:: 0x1F  )   
/* main.c 549: */+  + 0;
/* main.c 550: */
/* main.c 551: */+  +<  <(7), ... s.x >  >=f(1,2) -
/* main.c 552: */ ><<<=+=
/* main.c 553: */y L"ws"xdefinedf(1,2)
/* main.c 554: */x?&&} ? -
/* main.c 555: */ > 
/* main.c 556: */
/* main.c 557: */q
/* main.c 558: */
/* main.c 559: */!= 12L  *  0;  f(1,2) a.*b__LINE__
/* main.c 560: */+= 
/* main.c 561: */
/* main.c 562: */z&  &| -- 0x1F f(1,2) :{ 'c'| 9
/* main.c 563: */9 -  - ...  x	* alpha_beta_gamma_delta>>alpha_beta_gamma_delta ) ~ -- &&^=<<="s" 
/* main.c 564: */z__LINE__ >> > [30] > 564 
/* main.c 565: */
/* main.c 566: */w x=1; 1.5 ^=
/* main.c 567: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=|| ^= 
/* main.c 568: */
/* main.c 569: */?+  +
/* main.c 570: */,[  12L >(7)+= int  0x1F  >  >=,}+  +!= ]defined<  <L'w' (7)+="s" Lname ~  4e5 
/* main.c 571: */x L"ws"  0 -
/* main.c 572: */ >
/* main.c 573: */y<<= ->
/* main.c 574: */< 0; "s"  "s"::&&&  1.5  
/* main.c 575: */x_asm_not ->+  +
/* main.c 576: */% ||Lname -  - ::"s"  1234567890 	 ) 
/* main.c 577: */-
/* main.c 578: */ > : 1u  >; 12 !=
/* main.c 579: */
/* main.c 580: */w  0; :  0;^=(2) )defined+  +alpha_beta_gamma_deltas.x <_asm_notL "ws" "s"*'c' 
/* main.c 581: */+=  12  ? &  & 12L  .5 :f(1,2)(L'w'  .  
/* main.c 582: */== defined+= )==&  &Lname 1u defined
/* main.c 583: */x[-
/* main.c 584: */ > || intint <<=
/* main.c 585: */
/* main.c 586: */q
/* main.c 587: */
/* main.c 588: */{ 12L 
/* main.c 589: */zL 'w's.
/* main.c 590: */xabL 'w'
/* main.c 591: */+=::(7) 
/* main.c 592: */
/* main.c 593: */-  - } -
/* main.c 594: */ >+  +- .5   ... int
/* main.c 595: */; 0;
/* main.c 596: */+= x=1;] 
/* main.c 597: */12L    'c' 0;; 0  %
/* main.c 598: */1.5 (  . ---
/* main.c 599: */ > += LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[^=% 
/* main.c 600: */
/* main.c 601: */>  >= & [
/* main.c 602: */x alpha_beta_gamma_delta(~?) ){-- 9
/* main.c 603: */9 *
/* main.c 604: */Lnamealpha_beta_gamma_delta&& 1.5 % ( 07  :? 	 
/* main.c 605: */|
/* main.c 606: */
/* main.c 607: */,-;
/* main.c 608: */... &{ 0; ( 
/* main.c 609: */+=->
/* main.c 610: */+=610 >  >=f(1,2) s.xL
/* main.c 611: */z  4e5 &  &
/* main.c 612: */|+  +alpha_beta_gamma_delta%&  &L"ws"&  & |  12  int
/* main.c 613: */z& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  1234567890 L"ws"
/* main.c 614: */z < x=1;>   4e5 & 12 |
/* main.c 615: */, == ? 
/* main.c 616: */:: 1u &&^=, 
/* main.c 617: */
/* main.c 618: */q
/* main.c 619: */
/* main.c 620: */4e5 )'c' += _asm_not >  >=--:: x=1; { 
/* main.c 621: */?int) ^= 4e5 +=[30]_asm_not 1u s.x 
/* main.c 622: */9
/* main.c 623: */9 +  + % 1.5 
/* main.c 624: */
/* main.c 625: */q
/* main.c 626: */
/* main.c 627: */f(1,2)  0;-
/* main.c 628: */ >-  - 
/* main.c 629: */
/* main.c 630: */z(2) 
/* main.c 631: */[(2)a.*b "s" 1.5  (2) s.x
/* main.c 632: */
/* main.c 633: */w>>L >> 0x1F 
/* main.c 634: */alpha_beta_gamma_delta == &x=1;
/* main.c 635: */< 
/* main.c 636: */
/* main.c 637: */|| 'c'  .    0; 123456789 s.xf(1,2)1"s"
/* main.c 638: */yL% 0x1F   07 != 
/* main.c 639: */>_asm_notint _asm_not  9
/* main.c 640: */9 >>definedx=1; ==- 0  ( ]] += (2) -> 1234567890 
/* main.c 641: */"s" 
/* main.c 642: */x 123456789 > <  < "s"(
/* main.c 643: */y*|| ...  defined --== 12 ) int 1  12 <  <
/* main.c 644: */z 12L  -  --
/* main.c 645: */> , : ...  x <<=  0 ~<  < ||&  &-  - Lname&&"s">  >=     ... ; {] -  0;&  & int 
/* main.c 646: */*
/* main.c 647: */+  + int
/* main.c 648: */.   1u   % ^=  ... -  0 ||	x~~alpha_beta_gamma_delta 
/* main.c 649: */+= && ...  __LINE__L -  -Lname 0  _asm_not; > __LINE__defined
/* main.c 650: */<<=
/* main.c 651: */
/* main.c 652: */^= 
/* main.c 653: */::
/* main.c 654: */...  -f(1,2) 4e5  12 654 (7),( }+  +~alpha_beta_gamma_delta+  + { 1234567890 -
/* main.c 655: */ > *655  
/* main.c 656: */>>  07  >|| <  <, 
/* main.c 657: */
/* main.c 658: */q
/* main.c 659: */
/* main.c 660: */
/* main.c 661: */
/* main.c 662: */... 
/* main.c 663: */y ->!=inta.*bL<<= L"ws" ]* -
/* main.c 664: */ >& 
/* main.c 665: */alpha_beta_gamma_delta  07 ~^=>--&&alpha_beta_gamma_delta 
/* main.c 666: */+= L'w'"s" 1.5  ... f(1,2) .5 L'w'
/* main.c 667: */z!=  0;]+  + 0  
/* main.c 668: */;  0x1F   4e5 : 0; 07   _asm_not
/* main.c 669: */z <  < 
/* main.c 670: */
/* main.c 671: */L'w'&& .  ?
/* main.c 672: */&  & -
/* main.c 673: */ >*defined _asm_notx=1;-  -L'w'? 
/* main.c 674: */y ; 
/* main.c 675: */
/* main.c 676: */w !=  
/* main.c 677: */^= f(1,2) | +=: )
/* main.c 678: */^=--
/* main.c 679: */9
/* main.c 680: */9 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; x--680 _asm_not, a.*b(2) || ~  ... L"ws" s.x f(1,2)&&- 
/* main.c 681: */x--   
/* main.c 682: */...   12L   1u *
/* main.c 683: */zx 
/* main.c 684: */9
/* main.c 685: */9  9
/* main.c 686: */9  1u |::
/* main.c 687: */&& [-> && alpha_beta_gamma_delta 0 
/* main.c 688: */ab(  123456789   07   688 1.5  12 [30]-
/* main.c 689: */ > 1234567890 == --    -
/* main.c 690: */ > alpha_beta_gamma_delta +  +  1234567890   )1 += ]L"ws"&  &  07 {->>  >= f(1,2)(2)+  +"s"  1234567890  
/* main.c 691: */z-- L'w' {(2)s.x-  -"s"-
/* main.c 692: */ > 1u +=:: [30] >  >=% -> (7) [30]
/* main.c 693: */>  >=~{  12L  int  <<= -  0x1F 'c'&&
/* main.c 694: */&alpha_beta_gamma_delta 12  &&+  +(2)%  07 1]  0; >  >= L [
/* main.c 695: */abint
/* main.c 696: */+=| +  +|^=; 0  {: || 
/* main.c 697: */ab
/* main.c 698: */z  ... [ alpha_beta_gamma_delta 'c' == 9
/* main.c 699: */9 !=( ||&  &
/* main.c 700: */x&  &
/* main.c 701: */|| )^= f(1,2) || s.x| 1234567890  f(1,2)|| {f(1,2) 1234567890 L'w' 9
/* main.c 702: */9  s.x 
/* main.c 703: */ab 
/* main.c 704: */zf(1,2) L'w'  1u || s.xLname } <>< 
/* main.c 705: */x :	 ]-- ::
/* main.c 706: */
/* main.c 707: */w] _asm_not  1234567890  L'w'[30] 0;&  & 123456789 
/* main.c 708: */y 		 Lname
/* main.c 709: */x: 0;>>
/* main.c 710: */x 
/* main.c 711: */
/* main.c 712: */w,!=
/* main.c 713: */} +  + 
/* main.c 714: */L"ws"? != >>  0x1F   07 | f(1,2) 'c' (2)  0 - 
/* main.c 715: */x 
/* main.c 716: */
/* main.c 717: */
/* main.c 718: */L"ws"
/* main.c 719: */1.5  -- . { & x=1;
/* main.c 720: */*~ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1_asm_not+  +'c'
/* main.c 721: */-> :: 0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-
/* main.c 722: */ > 
/* main.c 723: */y int ]&&x=1;==    ...  Lname||+  + 9
/* main.c 724: */9  -- ->[& 0x1F  
/* main.c 725: */1'c' 12L >> (7)? "s" 0  L'w' 	 0;  9
/* main.c 726: */9 
/* main.c 727: */<(2)==f(1,2)  1.5  <) >  >=, )|| :: f(1,2)<  <, 
/* main.c 728: */-  - .  +  + 0;  0; 1.5 >> <<=)*ML 'w';-  - &&  .5 
/* main.c 729: */z ::%]729 12  * x] x 4e5  alpha_beta_gamma_delta ?~ ||   0  
/* main.c 730: */
/* main.c 731: */+= _asm_not- ...   ... 
/* main.c 732: */
/* main.c 733: */w   07 
/* main.c 734: */ab , s.x+  + 9
/* main.c 735: */9 , .5 Lname _asm_not f(1,2) & 123456789 
/* main.c 736: */x .5  --):&  &!= }736 736
/* main.c 737: */
/* main.c 738: */L)+= <<= int 
/* main.c 739: */z 0 	 == ... defined 
/* main.c 740: */
/* main.c 741: */w+= 0  _asm_not
/* main.c 742: */__LINE__int +=
/* main.c 743: */
/* main.c 744: */w a.*b "s" 	-> 123456789  
/* main.c 745: */
/* main.c 746: */w +  + 
/* main.c 747: */9
/* main.c 748: */9   9
/* main.c 749: */9 'c'   &alpha_beta_gamma_delta: 
/* main.c 750: */x  0x1F x=1;750 ~ .5   .5 +  + 1 12L %
/* main.c 751: */z  1234567890   0x1F x +=: f(1,2) > 
/* main.c 752: */123456789 L"ws"%|| (7)
/* main.c 753: */ab 
/* main.c 754: */
/* main.c 755: */1.5  12 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 756: */
/* main.c 757: */q
/* main.c 758: */
/* main.c 759: */- alpha_beta_gamma_delta  1u -> <<= == 07 a.*bM%- ^=?Lname> ; 12L L"ws"!="s"&  &&x=1;==:LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1- L'w'L'w'  12 &  & 07  ::  | alpha_beta_gamma_delta -  -!= +  + 	-- defined  ... 
/* main.c 760: */ab 1234567890  !=->  12  - L"ws", 12L 'c' &&
/* main.c 761: */
/* main.c 762: */
/* main.c 763: */<  0 f(1,2) 
/* main.c 764: */alpha_beta_gamma_delta
/* main.c 765: */defined ->>+  + 	 12  
/* main.c 766: */x  ... [30] <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int  1234567890 [LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	<  <&&] {s.x<  < 12L  -> --
/* main.c 767: */
/* main.c 768: */s.x(  4e5  07 768 "s"
/* main.c 769: */
/* main.c 770: */
/* main.c 771: */
/* main.c 772: */q
/* main.c 773: */
/* main.c 774: */}| 'c'[ 'c' 1234567890 <<= -> }
/* main.c 775: */123456789 'c' % . - 
/* main.c 776: */
/* main.c 777: */w  & ? 
/* main.c 778: */x 
/* main.c 779: */Mab== .  1.5  'c'&  & ~|| "s" 
/* main.c 780: */
/* main.c 781: */?]  12L  
/* main.c 782: */z
/* main.c 783: */xint>  >= f(1,2) } . }_asm_not[ alpha_beta_gamma_delta 0x1F ==
/* main.c 784: */[30]} 
/* main.c 785: */
/* main.c 786: */w{ || ,) 12   ...  ||  0;f(1,2) 12 &  & 1.5  +  +x ? {>intf(1,2) x* -
/* main.c 787: */ >   0; < 
/* main.c 788: */
/* main.c 789: */-
/* main.c 790: */ >L [30] 1.5  
/* main.c 791: */
/* main.c 792: */q
/* main.c 793: */
/* main.c 794: */== >|| :_asm_not  123456789   1234567890 
/* main.c 795: */
/* main.c 796: */q
/* main.c 797: */
/* main.c 798: */
/* main.c 799: */
/* main.c 800: */q
/* main.c 801: */
/* main.c 802: */+=  4e5  (7), defined & 
/* main.c 803: */
/* main.c 804: */w  123456789  4e5  [30] 
/* main.c 805: */[805
/* main.c 806: */z  
/* main.c 807: */ab 
/* main.c 808: */
/* main.c 809: */w{  0 -1]|| ^=  1.5 "s" >> 07   4e5  
/* main.c 810: */xdefined  07 ,>> 
/* main.c 811: */ab
/* main.c 812: */->>>LLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 813: */
/* main.c 814: */w 9
/* main.c 815: */9 < int .5  L 
/* main.c 816: */x} int-  -* 	 alpha_beta_gamma_delta+=::a.*bL==
/* main.c 817: */
/* main.c 818: */w  0;!=   >> 1-
/* main.c 819: */ > 0;;[ && "s" Lname_asm_not 
/* main.c 820: */z+  +['c' 12L   1.5 
/* main.c 821: */x(  1.5 821-
/* main.c 822: */822(7)%f(1,2) *
/* main.c 823: */
/* main.c 824: */q
/* main.c 825: */
/* main.c 826: */!=  4e5 
/* main.c 827: */(7)  > x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- 
/* main.c 828: */
/* main.c 829: */- ~^= 12 &  & +=~~
/* main.c 830: */y-- -
/* main.c 831: */ >  ... 1+=[ 
/* main.c 832: */
/* main.c 833: */y(2)  ...  	 -
/* main.c 834: */s.x&&;(7) -> x=1; <[30]  0  _asm_notL "ws"( 1234567890  0; a.*b
/* main.c 835: */
/* main.c 836: */^= 
/* main.c 837: */x=1; ,[) L'w'
/* main.c 838: */y^=Lnamef(1,2)  123456789  } *!=-
/* main.c 839: */ >1 9
/* main.c 840: */9  )<  <> 
/* main.c 841: */ > :: 1u  9
/* main.c 842: */9   0x1F 
/* main.c 843: */abLname .5 --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >>>a.*b,  07 definedL 'w' - 
/* main.c 844: */+= 1u  ||x=1;<  < &  && L 
/* main.c 845: */;defined: 4e5 (7))--int  0;==  
/* main.c 846: */x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1% +=!= >  >= 0 	 07 "s" 
/* main.c 847: */
/* main.c 848: */'c'  1u  ~&&x=1;|| 1234567890  4e5 -(2) 848 	 ||   > %&  .  ML L"ws"||+= >  >=<  < 1u -
/* main.c 849: */ >==L'w'>  >= 
/* main.c 850: */123456789   07   1.5 ==::&  &[30]>  >= ~ x^= ^=  123456789 s.x 
/* main.c 851: */zalpha_beta_gamma_delta?'c'
/* main.c 852: */
/* main.c 853: */w_asm_not !=
/* main.c 854: */
/* main.c 855: */9
/* main.c 856: */9  123456789   .  
/* main.c 857: */
/* main.c 858: */w 1u  defined intL
/* main.c 859: */y  .5 ? 
/* main.c 860: */
/* main.c 861: */
/* main.c 862: */1.5 a.*b x=1;
/* main.c 863: */
/* main.c 864: */w[<<= 0; !=-  -~ ]   +=    &  &'c's.x(
/* main.c 865: */x  
/* main.c 866: */xL "ws"  0 
/* main.c 867: */
/* main.c 868: */w? (2)-- a.*b 
/* main.c 869: */ab --defined 869% LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->"s" 0   	869 int  1234567890   1.5 <<=
/* main.c 870: */<LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 int< Lname~ 123456789 ||defined < %1~ 1234567890 (7) 
/* main.c 871: */y< 1.5 { ints.x 
/* main.c 872: */...  , && 07  < ... )int-
/* main.c 873: */ > +=~ ::} 12L :: ||-- "s"|
/* main.c 874: */yL "ws" 
/* main.c 875: */
/* main.c 876: */||||
/* main.c 877: */
/* main.c 878: */q
/* main.c 879: */
/* main.c 880: */~>>	
/* main.c 881: */y ==
/* main.c 882: */
/* main.c 883: */x || 1.5    4e5 ~ >  >=
/* main.c 884: */
/* main.c 885: */q
/* main.c 886: */
/* main.c 887: */. % 
/* main.c 888: */ab__LINE__ L'w' ; 4e5 -  -  _asm_not,  123456789 != 
/* main.c 889: */ab} [30] > alpha_beta_gamma_deltaL "ws" 0  -  - (2)::   
/* main.c 890: */+=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[30]%|&  &
/* main.c 891: */x * 1234567890  12  
/* main.c 892: */ab <<=alpha_beta_gamma_delta--
/* main.c 893: */z&&-   1234567890 (7)-x=1; (7) .5  123456789  12L >> ? L"ws"+= -  - 
/* main.c 894: */
/* main.c 895: */q
/* main.c 896: */
/* main.c 897: */'c'{ 	 
/* main.c 898: */
/* main.c 899: */? defineds.x  .5  && L'w'
/* main.c 900: */
/* main.c 901: */w &&(2) _asm_not[30][30] 
/* main.c 902: */ab defined) 0;'c' ?s.xa.*b 1u  alpha_beta_gamma_delta 07 != ] 12L  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 | > }>L"ws" > L"ws"  0  9
/* main.c 903: */9 alpha_beta_gamma_delta>>1
/* main.c 904: */z-1- ;&  & x=1;
/* main.c 905: */+  + s.x 'c' -- 
/* main.c 906: */ab  .5 
/* main.c 907: */{ s.x    
/* main.c 908: */
/* main.c 909: */; & +  + 123456789 }( ; <<=>  >= . ]  123456789  &  &  .5 >>   ... defined  1.5 >  >=<  < 12L L}  .5  ?
/* main.c 910: */y <<=
/* main.c 911: */*
/* main.c 912: */>
/* main.c 913: */
/* main.c 914: */q
/* main.c 915: */
/* main.c 916: */L
/* main.c 917: */+= .  1234567890 'c' 
/* main.c 918: */z (
/* main.c 919: */ab&1  1.5  -
/* main.c 920: */ > 
/* main.c 921: */+=L"ws"
/* main.c 922: */
/* main.c 923: */q
/* main.c 924: */
/* main.c 925: */alpha_beta_gamma_delta }]   .5 s.xL 9
/* main.c 926: */9 ~ _asm_not%a.*bL 'w' f(1,2)
/* main.c 927: */(7)]) 1u  }<<= 0 <-|| ]
/* main.c 928: */z ^=!= |{x=1; 
/* main.c 929: */z alpha_beta_gamma_delta >~(2) :: 9
/* main.c 930: */9 <(f(1,2)  0;1 x  1234567890   12 Lname
/* main.c 931: */x  ^= --  0 [
/* main.c 932: */
/* main.c 933: */"s"(7) ; &  (2)->
/* main.c 934: */| :: Lname  .  (7) _asm_not!=||
/* main.c 935: */
/* main.c 936: */&&>  >=   Lname  9
/* main.c 937: */9 Lname
/* main.c 938: */+= 
/* main.c 939: */y:-  >  >= (2) >  >= x ) > -- defined 1.5 alpha_beta_gamma_delta { 0 -- )>> 12  
/* main.c 940: */
/* main.c 941: */+=_asm_not~ 
/* main.c 942: */
/* main.c 943: */
/* main.c 944: */xx=1;; L"ws"xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>  9
/* main.c 945: */9 
/* main.c 946: */x&& < int] 
/* main.c 947: */
/* main.c 948: */q
/* main.c 949: */
/* main.c 950: */950 'c' <<=[30] &  & (2)<  < 
/* main.c 951: */&&a.*b-- <'c's.x
/* main.c 952: */
/* main.c 953: */w  (7) _asm_not
/* main.c 954: */
/* main.c 955: */w L"ws" { LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 956: */y :&&  9
/* main.c 957: */9  [30]_asm_not (7)x=1; 
/* main.c 958: */ab &&( f(1,2)&& 	 % a.*balpha_beta_gamma_delta  1.5 [30]::L"ws" 958
/* main.c 959: */x+  +[:: a.*b-
/* main.c 960: */ >>> ) 07 %L"ws" 'c'1    07  | -
/* main.c 961: */ >->
/* main.c 962: */z* 12L  >> ^=L"ws" [30]-  - a.*b 
/* main.c 963: */y L'w' -- 0;
/* main.c 964: */x .  
/* main.c 965: */ab <<<=|~ --x=1; .   07 ] 	  1.5  s.x
/* main.c 966: */
/* main.c 967: */w 0;-> <<= 1234567890  -  - ]+= [30]defined  0; || <<=-: &Lname 9
/* main.c 968: */9 ->>  >=L'w' 123456789 -
/* main.c 969: */ >L"ws"  1.5  . 
/* main.c 970: */
/* main.c 971: */q
/* main.c 972: */
/* main.c 973: */-
/* main.c 974: */ >x  12L  "s"(7) ==, 4e5  1.5  defined 
/* main.c 975: */z{  1234567890  +=<<=)  -> 4e5  1u  1u   123456789 %  123456789  +===L 1u  >::
/* main.c 976: */L"ws"(7)+=, 1u ,L -
/* main.c 977: */ > 'c'[  1234567890  -  - 12L  0x1F  a.*b(2)
/* main.c 978: */0x1F  % (2) +  +??;<  << <<=
/* main.c 979: */+  +&&
/* main.c 980: */y <<= ->  0;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 !=  0; 1
/* main.c 981: */!= (2) "s"
/* main.c 982: */-  -&  &s.x 0x1F  .  <<= f(1,2) L"ws" ^=(7) .  ;,? == >> 07 --"s"_asm_not 0 a.*bL ;+  +
/* main.c 983: */Lname{==| 0  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1](2)  1.5 (7) 	
/* main.c 984: */
/* main.c 985: */wL 
/* main.c 986: */y -<<=
/* main.c 987: */x 1 >  >=>>s.x <  <  ...  9
/* main.c 988: */9  
/* main.c 989: */
/* main.c 990: */q
/* main.c 991: */
/* main.c 992: */-definedx[30]1 0x1F  . [30]_asm_not~||!=  ...  == &  & 9
/* main.c 993: */9  -
/* main.c 994: */ > 0    	 --
/* main.c 995: */&&
/* main.c 996: */+= (2)  07 >  >=; 
/* main.c 997: */x
/* main.c 998: */z 
/* main.c 999: */y 999~'c'
/* main.c 1000: */
/* main.c 1001: */q
/* main.c 1002: */
/* main.c 1003: */
/* main.c 1004: */z
/* main.c 1005: */y +  +x 
/* main.c 1006: */ab  07  ( -> 
/* main.c 1007: */+= &&L 0; -  - 
/* main.c 1008: */9
/* main.c 1009: */9  +  +f(1,2) 1u  1u (2) x=1;	 ^=    
/* main.c 1010: */x 0;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1& 
/* main.c 1011: */<<=-  - 
/* main.c 1012: */z|  12L   1.5  != _asm_not+= > - "s" 
/* main.c 1013: */y 
/* main.c 1014: */
/* main.c 1015: */
/* main.c 1016: */q
/* main.c 1017: */
/* main.c 1018: */0;(-> .5 | L"ws" { int -
/* main.c 1019: */ >  12  4e5  a.*b ] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  07  >> 
/* main.c 1020: */z 1.5 <<=^=  ... 
/* main.c 1021: */
/* main.c 1022: */w ?[30] alpha_beta_gamma_delta* x 4e5 (7)
/* main.c 1023: */y 0x1F  1.5 <<= 
/* main.c 1024: */
/* main.c 1025: */q
/* main.c 1026: */
/* main.c 1027: */'c' --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <  07 
/* main.c 1028: */x L"ws" 123456789  (7)[
/* main.c 1029: */
/* main.c 1030: */q
/* main.c 1031: */
/* main.c 1032: */defined>  >=  12L -  -
/* main.c 1033: */
/* main.c 1034: */
/* main.c 1035: */x  12  ^=  9
/* main.c 1036: */9 != 
/* main.c 1037: */
/* main.c 1038: */
/* main.c 1039: */07  x alpha_beta_gamma_delta	 :f(1,2),"s"<<=La.*b defined L"ws"
/* main.c 1040: */== 
/* main.c 1041: */y  1.5  
/* main.c 1042: */
/* main.c 1043: */*!= "s"s.x(2) 0;> L'w'"s">  >= <  < ... :: 
/* main.c 1044: */+=->  * != ... 
/* main.c 1045: */& 12L  int!=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1234567890  12  ->[x
/* main.c 1046: */y^= 0; && :: 9
/* main.c 1047: */9  
/* main.c 1048: */
/* main.c 1049: */q
/* main.c 1050: */
/* main.c 1051: */. -->>-] L
/* main.c 1052: */% 0x1F ? [  4e5 [30] defined 0;  9
/* main.c 1053: */9  1u & [^=  0;a.*b  0;1(7) L-	 
/* main.c 1054: */+=  0x1F : 0 | 0x1F 
/* main.c 1055: */--"s"
/* main.c 1056: */y  -
/* main.c 1057: */ >   0 )== { )
/* main.c 1058: */
/* main.c 1059: */q
/* main.c 1060: */
/* main.c 1061: */. ] <  < & } 0x1F :%  .  ?  12  12L %f(1,2) ?| ~  1u [ ) && -> == [30]||alpha_beta_gamma_deltadefined_asm_not !={ >  >= -- _asm_not<  1234567890 <  <  <  12L  
/* main.c 1062: */
/* main.c 1063: */.5  (7)    . 1
/* main.c 1064: */
/* main.c 1065: */w,	  L'w'[1  0; (7) ||x=1;&& -- ;'c' 1u  9
/* main.c 1066: */9  % 9
/* main.c 1067: */9  && -  -
/* main.c 1068: */
/* main.c 1069: */w 'c'&& +=  4e5  <<= -  - <<= ... -- 07  })    
/* main.c 1070: */ab 1.5  
/* main.c 1071: */+  +>>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; 'c'L"ws"int,  a.*b Lname>>  1u int--  0; <x=1;
/* main.c 1072: */1u   .5     ::  0 &x { ? ,L'w' - && 
/* main.c 1073: */ab(2)->
/* main.c 1074: */
/* main.c 1075: */int  . "s" >> <  < .5  [ 1075&  &  [30] <<=)
/* main.c 1076: */z 
/* main.c 1077: */z
/* main.c 1078: */
/* main.c 1079: */alpha_beta_gamma_deltaL 'w' Ldefined  07   123456789   123456789  123456789 
/* main.c 1080: */+= 
/* main.c 1081: */
/* main.c 1082: */w 	>  >= [ 1&& 
/* main.c 1083: */
/* main.c 1084: */x=1;  ...   12L  xa.*b    
/* main.c 1085: */+=
/* main.c 1086: */
/* main.c 1087: */w defined;L"ws"
/* main.c 1088: */
/* main.c 1089: */q
/* main.c 1090: */
/* main.c 1091: */-x-- 9
/* main.c 1092: */9  <<= 
/* main.c 1093: */+=(L*) *"s" 1093 ~ &  &:: s.x:Lname   -  s.x|| ->
/* main.c 1094: */y ^=}, 
/* main.c 1095: */x(7){"s"alpha_beta_gamma_delta 
/* main.c 1096: */
/* main.c 1097: */w [30]
/* main.c 1098: */+=, 9
/* main.c 1099: */9 defined &->+= 0;+=]  .5 
/* main.c 1100: */
/* main.c 1101: */x>defined[30] 1u 
/* main.c 1102: */
/* main.c 1103: */? +='c'-  - x &1103->L"ws"==!=&+  + 123456789 ::  4e5 >  >= 
/* main.c 1104: */
/* main.c 1105: */!=:(7)  123456789 
/* main.c 1106: */
/* main.c 1107: */w x=1;->  1u  1234567890  f(1,2)%
/* main.c 1108: */-    ]+=  .5  defined "s" <  <x  123456789 
/* main.c 1109: */*  . defined 0  ^=int  12L && }1 -> defined% 
/* main.c 1110: */
/* main.c 1111: */w  .5  "s"&>>
/* main.c 1112: */zL 'w'
/* main.c 1113: */+=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  . 
/* main.c 1114: */
/* main.c 1115: */q
/* main.c 1116: */
/* main.c 1117: */
/* main.c 1118: */
/* main.c 1119: */
/* main.c 1120: */
/* main.c 1121: */q
/* main.c 1122: */
/* main.c 1123: */-- >  >= 1123 * [30]  0x1F  L |!= 
/* main.c 1124: */
/* main.c 1125: */a.*b<<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L'w'%-
/* main.c 1126: */ ><  <  !=^= 12  ( L-> 0x1F  'c'L"ws"  0x1F [30]  ...   ] 
/* main.c 1127: */
/* main.c 1128: */y ^=
/* main.c 1129: */y ||
/* main.c 1130: */-
/* main.c 1131: */ >% 1234567890 ;  123456789  alpha_beta_gamma_delta _asm_not  0x1F  -
/* main.c 1132: */ >x&  &  &&  .5 
/* main.c 1133: */z|
/* main.c 1134: */
/* main.c 1135: */q
/* main.c 1136: */
/* main.c 1137: */.5 
/* main.c 1138: */z } &  &alpha_beta_gamma_delta:: 
/* main.c 1139: */abx=1; 07  (7) s.x -
/* main.c 1140: */ >L  ,^=[
/* main.c 1141: */x-
/* main.c 1142: */ >1
/* main.c 1143: */
/* main.c 1144: */w) L  9
/* main.c 1145: */9  . 'c', 
/* main.c 1146: */
/* main.c 1147: */q
/* main.c 1148: */
/* main.c 1149: */:: alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1f(1,2) +  +  :    defined }+= >> 1.5  1.5  ==
/* main.c 1150: */]-f(1,2) 12L alpha_beta_gamma_deltas.x LnameL "ws"x=1;-
/* main.c 1151: */ >,
/* main.c 1152: */a.*b 1u    1u 
/* main.c 1153: */~ 9
/* main.c 1154: */9  [30] s.x!=[ < :: "s"<  <  12  <<=
/* main.c 1155: */+= 1234567890  L
/* main.c 1156: */
/* main.c 1157: */q
/* main.c 1158: */
/* main.c 1159: */=="s"-> ^=|+=
/* main.c 1160: */+=_asm_not 12L "s" . 'c' .5 
/* main.c 1161: */ab 
/* main.c 1162: */} ,] a.*b: 
/* main.c 1163: */
/* main.c 1164: */w~&  &
/* main.c 1165: */z 'c'& MM
/* main.c 1166: */
/* main.c 1167: */w 'c'a.*b >  >=
/* main.c 1168: */
/* main.c 1169: */q
/* main.c 1170: */
/* main.c 1171: */> 12 Lname:-
/* main.c 1172: */ > 1u <<= ||
/* main.c 1173: */yM::L"ws"  ...  ::<Lnamea.*b?
/* main.c 1174: */
/* main.c 1175: */&& 1.5 --[30] ...  1175<  <]|| )"s"
/* main.c 1176: */x 123456789 -
/* main.c 1177: */ > +=  
/* main.c 1178: */x--L"ws">> &  &% 1u 1178
/* main.c 1179: */
/* main.c 1180: */
/* main.c 1181: */w
/* main.c 1182: */|| }( 
/* main.c 1183: */+=?
/* main.c 1184: */-
/* main.c 1185: */ > % 0  Lname 0x1F  == 12  
/* main.c 1186: */L"ws"::
/* main.c 1187: */-- . >  >= ) || L'w':: 
/* main.c 1188: */
/* main.c 1189: */
/* main.c 1190: */1.5 x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c'f(1,2)^=& -  -"s" f(1,2) [30] 
/* main.c 1191: */
/* main.c 1192: */wM 'c'
/* main.c 1193: */z 'c' 07 L_asm_not-- 
/* main.c 1194: */ab x<<= 1234567890  <  <x=1; .5 L+  + 1( -  - 12  1234567890  .  != (% 07  L ::  123456789 {(7)(2)[30][30]1194 Lname 123456789 
/* main.c 1195: */::1 Lname{% "s"  123456789 L"ws" .5  ...  &  &Lname& 1.5 'c' 1195   1195;< 
/* main.c 1196: */abint  ...  123456789 ||
/* main.c 1197: */a.*b  <  <x=1;:^=*"s"a.*b f(1,2) 1197   ; (7)( x  .5 
/* main.c 1198: */
/* main.c 1199: */w -  -<  <
/* main.c 1200: */y LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u == % &  &>>{ 
/* main.c 1201: */
/* main.c 1202: */w& 123456789 L'w'  9
/* main.c 1203: */9  ...  &  &  
/* main.c 1204: */s.x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 'c' ->]? 9
/* main.c 1205: */9 ^=  12  <); 
/* main.c 1206: */+=~> 0  )  .5  _asm_not ;^= ?  1u , 4e5  "s""s"  9
/* main.c 1207: */9 
/* main.c 1208: */ab L"ws" .5  'c' defined . 1  12L 
/* main.c 1209: */y 'c'    
/* main.c 1210: */-> ) 
/* main.c 1211: */
/* main.c 1212: */?   1234567890  1.5   
/* main.c 1213: */^= a.*b(7) 
/* main.c 1214: */x
/* main.c 1215: */-  ->> 
/* main.c 1216: */] alpha_beta_gamma_delta 
/* main.c 1217: */
/* main.c 1218: */
/* main.c 1219: */wab s.x <->||-> ]
/* main.c 1220: */12L  f(1,2) -- -  -> 
/* main.c 1221: */ab  1u  [30]
/* main.c 1222: */
/* main.c 1223: */x(7)+  +  07 -
/* main.c 1224: */ >(defined &&>  >= ][30] && 12L L ?L"ws"  0 &  & Lname x-  - 9
/* main.c 1225: */9 L } 9
/* main.c 1226: */9 
/* main.c 1227: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<[30] x=1; -- 
/* main.c 1228: */
/* main.c 1229: */x 0x1F  ::
/* main.c 1230: */zLname
/* main.c 1231: */y (7) f(1,2) ~&&::? int& 
/* main.c 1232: */yintLname 4e5 (7)>>
/* main.c 1233: */+= 
/* main.c 1234: */y&  & 
/* main.c 1235: */xx 	!=
/* main.c 1236: */x 1234567890 ^= ;  9
/* main.c 1237: */9   0x1F --_asm_not; 07  ||	
/* main.c 1238: */::^=-
/* main.c 1239: */ > ] -
/* main.c 1240: */
/* main.c 1241: */ >  >=<  < ] a.*b== 1u += .  0   .5  -  -<  <1 
/* main.c 1242: */'c'
/* main.c 1243: */f(1,2)
/* main.c 1244: */
/* main.c 1245: */w 12  [   ? &
/* main.c 1246: */+=: >  >= 0x1F  int 123456789  1u  123456789 <  < 07 ->	"s" 1234567890 f(1,2)x=1;?  0 
/* main.c 1247: */!= 
/* main.c 1248: */
/* main.c 1249: */::  07  1249 
/* main.c 1250: */+= 1.5  s.x "s" L"ws"1 123456789 {-> .5 L
/* main.c 1251: */
/* main.c 1252: */"s"	 123456789 [(7)-
/* main.c 1253: */ > 1234567890 a.*b 1 .5 (7)  .5 :?  12   123456789 _asm_not ::  1u   0  ->  12L  &&; x=1; 'c' -  - x 1u   0 [ }
/* main.c 1254: */1.5 [L"ws"?
/* main.c 1255: */ab 1234567890  
/* main.c 1256: */
/* main.c 1257: */w 12  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[  
/* main.c 1258: */z% L"ws"  0x1F 
/* main.c 1259: */07  <<=>  >=  ? ]  .  123456789  int x=1;Lname ( (
/* main.c 1260: */+= == 1  .5  *-
/* main.c 1261: */int^= :  1.5 !=  1u   1261 >[ +=&  & 
/* main.c 1262: */L'w'  0   1234567890 :: >< 
/* main.c 1263: */y  
/* main.c 1264: */
/* main.c 1265: */w 0x1F >> 1.5  
/* main.c 1266: */x   
/* main.c 1267: */+= .  
/* main.c 1268: */xL x=1; L
/* main.c 1269: */%
/* main.c 1270: */
/* main.c 1271: */q
/* main.c 1272: */
/* main.c 1273: */4e5  L"ws"	 a.*b ...  >
/* main.c 1274: */x=1;  (7)
/* main.c 1275: */ab LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[30]?
/* main.c 1276: */,;==  07 ]	 ^= &  & ){
/* main.c 1277: */
/* main.c 1278: */abab ...  
/* main.c 1279: */+= >  >=-
/* main.c 1280: */ > 
/* main.c 1281: */
/* main.c 1282: */w 'c' 
/* main.c 1283: */>  >=  12L   9
/* main.c 1284: */9  1u  alpha_beta_gamma_delta defined 0  ]
/* main.c 1285: */yL 'w'
/* main.c 1286: */x alpha_beta_gamma_delta x=1;
/* main.c 1287: */
/* main.c 1288: */... & (2)[Ms.x 
/* main.c 1289: */* && <<='c'  1234567890  
/* main.c 1290: */
/* main.c 1291: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1292: */&  && & :: :: ,  [xint    
/* main.c 1293: */y x[ML
/* main.c 1294: */y  07  >> ]  07  1294 ||[* x=1; % .5  .  -
/* main.c 1295: */ >&  & <<=
/* main.c 1296: */+= (7)  1u  1296 'c'  1234567890 
/* main.c 1297: */
/* main.c 1298: */q
/* main.c 1299: */
/* main.c 1300: */1u x+  + 0;|| [ -> L&&--  0 [30] L'w'->  ] -  ---  -Lname 'c'<  <:"s"] alpha_beta_gamma_delta[30]| *  ...  1.5  +=(2) 0 x=1;  12   ... &  &[  4e5   12L  123456789  
/* main.c 1301: */z
/* main.c 1302: */z+  +~L'w'  . ?'c' f(1,2)
/* main.c 1303: */!= 
/* main.c 1304: */z&& +  +,+= 
/* main.c 1305: */y  0  ...  L  0 
/* main.c 1306: */+=
/* main.c 1307: */
/* main.c 1308: */defined f(1,2) 9
/* main.c 1309: */9  >> ]alpha_beta_gamma_delta> int ?  12 
/* main.c 1310: */z L 123456789  ; s.x 1234567890 -  -) a.*b[30] -> 1310'c' >  >=% -  --{ 
/* main.c 1311: */ab
/* main.c 1312: */0;
/* main.c 1313: */
/* main.c 1314: */w 0 
/* main.c 1315: */& 12 >  >=[ ,  .  0; 0   12L 
/* main.c 1316: */0; ~!= +  + | a.*b;, --? ...  0;  4e5 
/* main.c 1317: */
/* main.c 1318: */;
/* main.c 1319: */ab _asm_not 'c'!=>  >= ?L 
/* main.c 1320: */
/* main.c 1321: */s.x||&&1321 
/* main.c 1322: */<  <'c'; 1234567890 'c'1
/* main.c 1323: */x .5 == (7) 12  0   .  alpha_beta_gamma_deltaL__LINE__  123456789 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s"+  + | &  & 07  0;}[30] -^= 
/* main.c 1324: */x[~  a.*b } ) ::<  <   
/* main.c 1325: */1] ^=]::-- x=1;>(2)
/* main.c 1326: */
/* main.c 1327: */
/* main.c 1328: */[30]  4e5  	-
/* main.c 1329: */ >+  +1329
/* main.c 1330: */x
/* main.c 1331: */
/* main.c 1332: */
/* main.c 1333: */
/* main.c 1334: */y  .5   123456789  0;
/* main.c 1335: */
/* main.c 1336: */q
/* main.c 1337: */
/* main.c 1338: */(2)[  .5  1234567890   : defined& 
/* main.c 1339: */!= 4e5 L"ws"> L"ws":: 1u  'c' && 'c'
/* main.c 1340: */
/* main.c 1341: */9
/* main.c 1342: */9  - 
/* main.c 1343: */x? 
/* main.c 1344: */ab ,  0x1F   1.5  &  &(7)
/* main.c 1345: */^=int  12L  07 +=
/* main.c 1346: */ab  ...  % 
/* main.c 1347: */
/* main.c 1348: */q
/* main.c 1349: */
/* main.c 1350: */+  +  12L 
/* main.c 1351: */: 123456789 L'w' &  0x1F +  +  1234567890  -> 12L L+  +  += :  12 * 12 L"ws" a.*b[30]} > 
/* main.c 1352: */f(1,2) -- 1u  0;  0;+=  9
/* main.c 1353: */9 >>L'w'  .  || ~ Lname } 
/* main.c 1354: */
/* main.c 1355: */&&"s" ... != ?L &&  .5  
/* main.c 1356: */ab -x=1;&->::  9
/* main.c 1357: */9 &  &?|
/* main.c 1358: */Lname^=] defined ==int definedL 'w' 
/* main.c 1359: */:    
/* main.c 1360: */[30] 
/* main.c 1361: */<? < ;x L }s.x; >  >=>> != 0;;  07  1.5 
/* main.c 1362: */
/* main.c 1363: */w
/* main.c 1364: */y 
/* main.c 1365: */x- 
/* main.c 1366: */x 4e5   .  f(1,2)    == :&  &
/* main.c 1367: */alpha_beta_gamma_delta[30] ([30]1367
/* main.c 1368: */0   123456789  
/* main.c 1369: */x:: s.x>> 
/* main.c 1370: */... x=1;>> x 	 &, &  & 
/* main.c 1371: */
/* main.c 1372: */-> 
/* main.c 1373: */ab<<= +  + 
/* main.c 1374: */z 
/* main.c 1375: */zf(1,2)L"ws" +=&[30] ^=,
/* main.c 1376: */
/* main.c 1377: */q
/* main.c 1378: */
/* main.c 1379: */% -  -a.*b__LINE__alpha_beta_gamma_delta-- 0    12L  ( intL 'w'f(1,2)_asm_not 12L  int  1u  
/* main.c 1380: */!= f(1,2) 
/* main.c 1381: */
/* main.c 1382: */-,
/* main.c 1383: */...     
/* main.c 1384: */
/* main.c 1385: */]&]^= 0;x 9
/* main.c 1386: */9  }
/* main.c 1387: */12  0 : % +  +L"ws"+= 12L ,1387
/* main.c 1388: */+= 'c' ;  defineddefined a.*b?-> <__LINE__int  .5 +  + 
/* main.c 1389: */{ +  + ;  . ~ )  1.5  < +  +f(1,2)-
/* main.c 1390: */ >  1234567890  123456789 <  <L &_asm_notdefined int
/* main.c 1391: */||_asm_not  1u   9
/* main.c 1392: */9 L [
/* main.c 1393: */
/* main.c 1394: */q
/* main.c 1395: */
/* main.c 1396: */,!===
/* main.c 1397: */
/* main.c 1398: */1u ,
/* main.c 1399: */z__LINE__<<=  4e5  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 12 x=1;==[ 9
/* main.c 1400: */9 && 
/* main.c 1401: */
/* main.c 1402: */q
/* main.c 1403: */
/* main.c 1404: */
/* main.c 1405: */+=>1405 
/* main.c 1406: */alpha_beta_gamma_delta +  +Lname%-<<= 12  9
/* main.c 1407: */9 | x=1; -- .5   .5 L'w'  12L ,x -> }
/* main.c 1408: */
/* main.c 1409: */q
/* main.c 1410: */
/* main.c 1411: */
/* main.c 1412: */+= 4e5  int } 
/* main.c 1413: */ab [1413 L'w' :_asm_not [30]* L"ws">> >=== 1234567890 s.xL 0 'c' 0;"s" 1u ]
/* main.c 1414: */+=
/* main.c 1415: */:
/* main.c 1416: */(7) -  -  %int
/* main.c 1417: */123456789 { += <  9
/* main.c 1418: */9   4e5 - (alpha_beta_gamma_delta) x ... (^=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 | <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :   :: s.x ;  0x1F  }*  1234567890  x=1;];  1u  int>  >= 1.5 {  1234567890 
/* main.c 1419: */
/* main.c 1420: */1.5 alpha_beta_gamma_delta  9
/* main.c 1421: */9  x 'c' f(1,2) &&^=  4e5  123456789  <  12L (7)  +  +
/* main.c 1422: */ab
/* main.c 1423: */y>>	{ : 'c' 1u  Mdefined - 
/* main.c 1424: */z
/* main.c 1425: */
/* main.c 1426: */zLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<  <1426 
/* main.c 1427: */
/* main.c 1428: */1234567890  !=|+=<<=L"ws"
/* main.c 1429: */ab*<<=&& LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 .5  
/* main.c 1430: */
/* main.c 1431: */== 07   . defined--  123456789 'c' :  1234567890  ; 123456789 } 07  }    
/* main.c 1432: */~
/* main.c 1433: */( L"ws" alpha_beta_gamma_delta < 
/* main.c 1434: */z (2)  ...  Lname ; } (2) &&>  >=&  &*[ |> ;<L: (~ 
/* main.c 1435: */x && . ]  1234567890 ==~  ):
/* main.c 1436: */+=
/* main.c 1437: */
/* main.c 1438: */z-
/* main.c 1439: */ > 0;){[s.x 
/* main.c 1440: */
/* main.c 1441: */
/* main.c 1442: */[30]
/* main.c 1443: */1u >  >= 
/* main.c 1444: */x } 07  :: ...  
/* main.c 1445: */ab 
/* main.c 1446: */(2) 
/* main.c 1447: */
/* main.c 1448: */ab <  <  1.5 ? -  - 
/* main.c 1449: */
/* main.c 1450: */^= 0x1F  , 
/* main.c 1451: */
/* main.c 1452: */w%%_asm_not 0 -  -  4e5 
/* main.c 1453: */'c' 1453  .   12L  _asm_notint 
/* main.c 1454: */&  & <  <-  - 07 <  <)< -  -[ 0x1F  )x=1; ->L'w' 1454 
/* main.c 1455: */
/* main.c 1456: */a.*b  12  1  9
/* main.c 1457: */9 ||,^= } 1.5  1u Lname { >>%->x=1;( 0; && 
/* main.c 1458: */a.*b 
/* main.c 1459: */+=1(
/* main.c 1460: */
/* main.c 1461: */. x=1;<  < &&|| { 
/* main.c 1462: */ab(::} xint{ ( 
/* main.c 1463: */y {1463  0 x=1;%|| != ~   ,
/* main.c 1464: */<: < 0x1F <  < alpha_beta_gamma_delta, 1.5  ... 
/* main.c 1465: */
/* main.c 1466: */
/* main.c 1467: */q
/* main.c 1468: */
/* main.c 1469: */s.x  1 x=1;== .5  Mx |
/* main.c 1470: */yL L"ws" :: !=  1234567890  >> 
/* main.c 1471: */
/* main.c 1472: */q
/* main.c 1473: */
/* main.c 1474: */~]
/* main.c 1475: */x
/* main.c 1476: */
/* main.c 1477: */wLname[  07  1.5  
/* main.c 1478: */
/* main.c 1479: */q
/* main.c 1480: */
/* main.c 1481: */12L  a.*b 
/* main.c 1482: */0  12  
/* main.c 1483: */x  ... a.*b(7)LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[L: a.*bs.x -
/* main.c 1484: */ >
/* main.c 1485: */
/* main.c 1486: */q
/* main.c 1487: */
/* main.c 1488: */"s"	 <  < 12L -  - 0;--  . -
/* main.c 1489: */ >-- ||!=!=>[30]  0  L"ws" && 
/* main.c 1490: */
/* main.c 1491: */q
/* main.c 1492: */
/* main.c 1493: */1493 }&  &"s" 1493 -
/* main.c 1494: */ >~-  -}"s"_asm_not}
/* main.c 1495: */x 12L  ];)  1u 	 0x1F ><<= (*  0; 0; ( <<=
/* main.c 1496: */x  07 ==  123456789  ,
/* main.c 1497: */ab(7)-- 
/* main.c 1498: */
/* main.c 1499: */yab 9
/* main.c 1500: */9 -> 123456789 1500?)	  4e5 < +=}<* <<=L"ws"  9
/* main.c 1501: */9 
/* main.c 1502: */+=^=  0 !=
/* main.c 1503: */4e5  12 x  .  ]f(1,2) 07 ?>  >=::
/* main.c 1504: */]1504 &  &L"ws"  9
/* main.c 1505: */9 || :: 
/* main.c 1506: */
/* main.c 1507: */q
/* main.c 1508: */
/* main.c 1509: */12  &  &->&  &>intL -- 9
/* main.c 1510: */9  
/* main.c 1511: */[30]&x=1;  07 :  123456789  'c' LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (7)>>[ { <  <  12L _asm_not   
/* main.c 1512: */ab
/* main.c 1513: */yL "ws" |  07 (7) +  +f(1,2)[30]&? 12L 
/* main.c 1514: */+=[  123456789  Lname <<= 0; 
/* main.c 1515: */1234567890  'c']x  
/* main.c 1516: */ab a.*b
/* main.c 1517: */.5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 1518: */
/* main.c 1519: */, 
/* main.c 1520: */z+  +--  9
/* main.c 1521: */9  0   ... Lname  1234567890   .5  (2),
/* main.c 1522: */(2)  1 >  >=  1.5 a.*b!=
/* main.c 1523: */
/* main.c 1524: */
/* main.c 1525: */4e5  ,  12L (7)x 4e5  4e5  +  + 
/* main.c 1526: */ab (7) <1>-	] 
/* main.c 1527: */
/* main.c 1528: */w 0x1F ] ==(-
/* main.c 1529: */ >  0; 12   1u  *
/* main.c 1530: */s.x 07 ] 1530 (2)s.x "s" ~int "s"alpha_beta_gamma_delta  0 L"ws"}+= { || }"s" 123456789 <<=--L"ws" 0; 
/* main.c 1531: */
/* main.c 1532: */
/* main.c 1533: */}L'w' <x  || a.*b . } ;xLname <<= +  + &  & 12 __LINE___asm_notL "ws" 
/* main.c 1534: */4e5   1234567890 ^=definedf(1,2) 1234567890  1u 
/* main.c 1535: */L'w'-
/* main.c 1536: */ > 
/* main.c 1537: */
/* main.c 1538: */q
/* main.c 1539: */
/* main.c 1540: */&&
/* main.c 1541: */+=-- 
/* main.c 1542: */1234567890 [30]
/* main.c 1543: */123456789 s.x Lname  1u [ a.*b) ^=,"s"1543 * >
/* main.c 1544: */
/* main.c 1545: */q
/* main.c 1546: */
/* main.c 1547: */
/* main.c 1548: */defined-> L 0  >  >=^= 
/* main.c 1549: */x  4e5    1u L"ws" ) >  >=
/* main.c 1550: */
/* main.c 1551: */ab 	 
/* main.c 1552: */123456789 
/* main.c 1553: */Lname( 0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L!=:-  -  >  >=^= ( |
/* main.c 1554: */x 
/* main.c 1555: */
/* main.c 1556: */q
/* main.c 1557: */
/* main.c 1558: */+  + 9
/* main.c 1559: */9 ? .5  
/* main.c 1560: */x  
/* main.c 1561: */ydefined 1.5  "s"-( [||&& ] 
/* main.c 1562: */+= ^=)>% 1u  a.*b    123456789  L"ws"&&[30]x? ^= 
/* main.c 1563: */} LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<f(1,2)
/* main.c 1564: */x_asm_not 07   0x1F *LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1? <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[-- +=  1u f(1,2) .5  ^=
/* main.c 1565: */y
/* main.c 1566: */>>
/* main.c 1567: */:[30];!=<&  & , x=1;
/* main.c 1568: */
/* main.c 1569: */w 
/* main.c 1570: */ab  a.*b &_asm_not(7) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0  *  12L  12L L'w' 
/* main.c 1571: */< 07 
/* main.c 1572: */z<<= ... :: * ... LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<= (2)&& 
/* main.c 1573: */(  4e5 >>||(7)L 9
/* main.c 1574: */9  
/* main.c 1575: */xL "ws" .5  ?(7) 0  
/* main.c 1576: */0 |_asm_not 4e5  (2) <<= --  123456789 ->:: += 9
/* main.c 1577: */9  +  +x>> 	 , x=1;  4e5   .  { 07  
/* main.c 1578: */
/* main.c 1579: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u -  -
/* main.c 1580: */ ->  07  ~ a.*b
/* main.c 1581: */1==x+=  .5   12  ... ::}; 9
/* main.c 1582: */9  s.x*~ ::::a.*b 1u }  s.x
/* main.c 1583: */x += Lname 
/* main.c 1584: */
/* main.c 1585: */q
/* main.c 1586: */
/* main.c 1587: */; 'c'"s"
/* main.c 1588: */yf(1,2)L==  += [<  <1588   | 	 
/* main.c 1589: */defined:  >]( 
/* main.c 1590: */+=-
/* main.c 1591: */ > != ~ 
/* main.c 1592: */
/* main.c 1593: */
/* main.c 1594: */x -> s.x 123456789  Lname-  -
/* main.c 1595: */Lname
/* main.c 1596: */1234567890  ] 0;--~_asm_not 
/* main.c 1597: */
/* main.c 1598: */w >  >=[ [30] &&
/* main.c 1599: */
/* main.c 1600: */q
/* main.c 1601: */
/* main.c 1602: */1.5   1u  defined ~L+  +<  . (2){intM 9
/* main.c 1603: */9 alpha_beta_gamma_delta,  1 Lname :: 'c'  0;{a.*b 
/* main.c 1604: */
/* main.c 1605: */-| alpha_beta_gamma_delta f(1,2) 
/* main.c 1606: */
/* main.c 1607: */q
/* main.c 1608: */
/* main.c 1609: */; , L"ws"-  -'c'),-><  <  'c'<{>>-  -
/* main.c 1610: */
/* main.c 1611: */1.5  >  >=  9
/* main.c 1612: */9 
/* main.c 1613: */
/* main.c 1614: */int(2)]
/* main.c 1615: */z 4e5 Lname% += 1u >  >= f(1,2) (a.*b,
/* main.c 1616: */xab; int__LINE__ 
/* main.c 1617: */
/* main.c 1618: */
/* main.c 1619: */1619 1234567890  .5 s.x 
/* main.c 1620: */123456789 -
/* main.c 1621: */ >  1u   9
/* main.c 1622: */9  x=1; ?L"ws"? < L L"ws"* 4e5 ==
/* main.c 1623: */y ,<<=
/* main.c 1624: */y  == 1 "s" 0x1F 
/* main.c 1625: */0; +  +  07  
/* main.c 1626: */
/* main.c 1627: */w-- f(1,2) 12L  0x1F  f(1,2) _asm_notL 'w' ? .5 [30] 1234567890 ( .  L"ws" 'c' 0;>  >=   a.*b     0;
/* main.c 1628: */&&>> L"ws">  >= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x=1;
/* main.c 1629: */
/* main.c 1630: */w<  <) * &&&(7) . (2) --&  && &)	 0  {
/* main.c 1631: */y != 
/* main.c 1632: */1234567890 
/* main.c 1633: */+=&& alpha_beta_gamma_deltaM , 1.5 ::L'w'1 *  0x1F  9
/* main.c 1634: */9 ^= "s" ,"s" ::+= <  < +=
/* main.c 1635: */( 
/* main.c 1636: */+=
/* main.c 1637: */
/* main.c 1638: */
/* main.c 1639: */+= 9
/* main.c 1640: */9  
/* main.c 1641: */z 
/* main.c 1642: */z>> ~(2)"s" 'c' ,
/* main.c 1643: */
/* main.c 1644: */... L'w'
/* main.c 1645: */
/* main.c 1646: */w+=s.x ^= |LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-> 0;defined<<=;)
/* main.c 1647: */a.*b*defined 9
/* main.c 1648: */9 L"ws"
/* main.c 1649: */
/* main.c 1650: */^= .  4e5 -  9
/* main.c 1651: */9   1u  ? || ...  9
/* main.c 1652: */9 != ]int 
/* main.c 1653: */
/* main.c 1654: */w,
/* main.c 1655: */!=L'w'  4e5  _asm_not 
/* main.c 1656: */yalpha_beta_gamma_delta &&  1.5 * &&<(2)
/* main.c 1657: */
/* main.c 1658: */q
/* main.c 1659: */
/* main.c 1660: */a.*b
/* main.c 1661: */!=-
/* main.c 1662: */ >
/* main.c 1663: */z} s.x] _asm_not } & .5  _asm_not 
/* main.c 1664: */(7) == 
/* main.c 1665: */x^=
/* main.c 1666: */) 0  x s.x  < &  & 1 
/* main.c 1667: */ab 4e5  != "s"  0   ==  1234567890 +=+= 
/* main.c 1668: */ab|L % -  -)<<=
/* main.c 1669: */ab L"ws"?>  >=(2) defined% 1234567890  &&-  -}  ...   07  123456789   1u  ;s.x ^= "s"  12L  
/* main.c 1670: */x L 
/* main.c 1671: */x 0x1F  ,L'w' f(1,2) 
/* main.c 1672: */y->&  &
/* main.c 1673: */
/* main.c 1674: */
/* main.c 1675: */--+=)
/* main.c 1676: */
/* main.c 1677: */q
/* main.c 1678: */
/* main.c 1679: */[30] > 'c'  ...  % L Lname{ L"ws"+  + ( 1.5  ||<<=L'w' 
/* main.c 1680: */~	  1234567890   .5  12  < +=>    
/* main.c 1681: */'c' (7)  07  : 	 -
/* main.c 1682: */ >  07 
/* main.c 1683: */9
/* main.c 1684: */9  
/* main.c 1685: */y   s.x 0; {
/* main.c 1686: */) 0x1F L"ws"-- &  &&
/* main.c 1687: */y
/* main.c 1688: */'c'
/* main.c 1689: */x,  9
/* main.c 1690: */9  ... 
/* main.c 1691: */z LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ^= (7)  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 L"ws" ] | alpha_beta_gamma_delta == -  .5  __LINE__L 'w'  0;x-  07  _asm_not "s" 
/* main.c 1692: */
/* main.c 1693: */q
/* main.c 1694: */
/* main.c 1695: */x[30] < Lname != &&%s.x -- (7)
/* main.c 1696: */z% s.x ( 1696 ==>>]
/* main.c 1697: */
/* main.c 1698: */. -  -^=?  (2) 12  >>  1234567890  }(
/* main.c 1699: */z }>>[30] 0;;<<= * a.*b _asm_not 0;{>>a.*balpha_beta_gamma_delta 	    -
/* main.c 1700: */ >
/* main.c 1701: */L'w'- 1234567890 
/* main.c 1702: */+=int >  >= 123456789 	_asm_notLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ] alpha_beta_gamma_delta % Lname 07 ?<  < 
/* main.c 1703: */
/* main.c 1704: */
/* main.c 1705: */
/* main.c 1706: */]   .  !=>> 
/* main.c 1707: */[ 12 
/* main.c 1708: */*!=&  & .5  ) &x;
/* main.c 1709: */
/* main.c 1710: */
/* main.c 1711: */ab . (7)1711&  & 'c'
/* main.c 1712: */
/* main.c 1713: */q
/* main.c 1714: */
/* main.c 1715: */<  <  <->] | L'w' : >  >=&  &s.xa.*b  1.5 ] (2) ,  12L  
/* main.c 1716: */y ?+= &alpha_beta_gamma_delta alpha_beta_gamma_delta>  >= ...  >  >  >=]
/* main.c 1717: */1234567890 -
/* main.c 1718: */ >> ,   &&
/* main.c 1719: */x L"ws":[ ==
/* main.c 1720: */+  +  s.x   >> 
/* main.c 1721: */|  1u ^= ?,  -- L"ws"
/* main.c 1722: */
/* main.c 1723: */q
/* main.c 1724: */
/* main.c 1725: */&& L'w'~
/* main.c 1726: */L"ws" ^=
/* main.c 1727: */12L 
/* main.c 1728: */(2) --||  123456789   .  07 - 1234567890 'c'!=>  >= 1.5  +  +&^=
/* main.c 1729: */9
/* main.c 1730: */9  || .  || [~} 0x1F  & 
/* main.c 1731: */
/* main.c 1732: */q
/* main.c 1733: */
/* main.c 1734: */< { 
/* main.c 1735: */
/* main.c 1736: */:: 
/* main.c 1737: */
/* main.c 1738: */wint () &  & 0;{
/* main.c 1739: */x-
/* main.c 1740: */ >LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 * 1234567890  'c' != LnameLname
/* main.c 1741: */+= int 0 'c' *(7)- &  &>  >=
/* main.c 1742: */
/* main.c 1743: */q
/* main.c 1744: */
/* main.c 1745: */&&  ... 	 
/* main.c 1746: */
/* main.c 1747: */q
/* main.c 1748: */
/* main.c 1749: */f(1,2) 
/* main.c 1750: */
/* main.c 1751: */'c'||
/* main.c 1752: */ab 'c'] % 1752 L'w'* (7) >~_asm_not     07  1u  %
/* main.c 1753: */y< &
/* main.c 1754: */-
/* main.c 1755: */ >!=1755  
/* main.c 1756: */x  ...  
/* main.c 1757: */
/* main.c 1758: */yab
/* main.c 1759: */
/* main.c 1760: */q
/* main.c 1761: */
/* main.c 1762: */&&+=Lname==-
/* main.c 1763: */ >< 	 1 
/* main.c 1764: */
/* main.c 1765: */& "s"--
/* main.c 1766: */int--alpha_beta_gamma_delta  .5  ^=;
/* main.c 1767: */. +  +L
/* main.c 1768: */1u  _asm_not[ 1.5 1
/* main.c 1769: */
/* main.c 1770: */
/* main.c 1771: */w  123456789  | 1u -  -> 0x1F < 123456789   0;Lname  1234567890 L"ws")<  < L'w'| 123456789 intL 'c' :: 
/* main.c 1772: */1772-- int 07   1772 (7)  
/* main.c 1773: */+=
/* main.c 1774: */
/* main.c 1775: */
/* main.c 1776: */wabLname  9
/* main.c 1777: */9     ...  
/* main.c 1778: */y&&< f(1,2) .  += .  (7)   >{ & *<<= 12L  }  alpha_beta_gamma_delta 12L  [_asm_notLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1779: */+=
/* main.c 1780: */
/* main.c 1781: */
/* main.c 1782: */
/* main.c 1783: */q
/* main.c 1784: */
/* main.c 1785: */-- 12 
/* main.c 1786: */x  0x1F ( [ :: 
/* main.c 1787: */1234567890 !=  .  >>[30] x=1; += ||- !=alpha_beta_gamma_delta &  &%%;alpha_beta_gamma_delta -  12L  defined
/* main.c 1788: */[30]:  0 x  0;defined --& 9
/* main.c 1789: */9  ^= ~>>x=1;(2) L"ws"==&&~[ <<=% a.*bL& ] :L'w' 
/* main.c 1790: */ab .5 
/* main.c 1791: */ab intf(1,2) }  9
/* main.c 1792: */9 (2)  07  L'w'LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- 9
/* main.c 1793: */9 >> +  + 
/* main.c 1794: */
/* main.c 1795: */
/* main.c 1796: */q
/* main.c 1797: */
/* main.c 1798: */Lname	 :+= a.*bL 'w'
/* main.c 1799: */ab:
/* main.c 1800: */z>  0x1F  ?
/* main.c 1801: */
/* main.c 1802: */] &  0  (_asm_not  07 (7) 0;
/* main.c 1803: */,[
/* main.c 1804: */
/* main.c 1805: */q
/* main.c 1806: */
/* main.c 1807: */<  1u [30]
/* main.c 1808: */>  >=[
/* main.c 1809: */ydefined 12 -
/* main.c 1810: */ > _asm_not    9
/* main.c 1811: */9  :}Lname "s") { 
/* main.c 1812: */< definedx=1;  4e5 L"ws" L"ws"-  -  ... 
/* main.c 1813: */z -
/* main.c 1814: */ > +  +  { 1u   12L f(1,2) :: ::
/* main.c 1815: */y_asm_not<%LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; 'c'{  0 
/* main.c 1816: */ys.x s.x== 
/* main.c 1817: */+=]--; &1817
/* main.c 1818: */z(,"s" ;intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) 	  123456789   );-> s.x
/* main.c 1819: */<<= == alpha_beta_gamma_delta <<= int_asm_not&  & 
/* main.c 1820: */07  ]&  &-% ?]L  . ~ [ 1.5  
/* main.c 1821: */
/* main.c 1822: */q
/* main.c 1823: */
/* main.c 1824: */-  -1824
/* main.c 1825: */
/* main.c 1826: */
/* main.c 1827: */
/* main.c 1828: */w  0x1F  +=:  1234567890    
/* main.c 1829: */+=} 12L  .5  12  >  >= .  
/* main.c 1830: */(2) += || +  +alpha_beta_gamma_delta  1u : 0; +  + ]?  . (2)--& %L==!= f(1,2)  0;L +=Lname
/* main.c 1831: */z 1 f(1,2) ...  12L  0  < 'c'~   L"ws"); 0    
/* main.c 1832: */y( 
/* main.c 1833: */
/* main.c 1834: */w :!= >& 0; 
/* main.c 1835: */+= 12 x  0;L
/* main.c 1836: */>  >=a.*b== 
/* main.c 1837: */int-  -a.*b 123456789 
/* main.c 1838: */123456789  alpha_beta_gamma_deltaint -
/* main.c 1839: */ > 9
/* main.c 1840: */9  -> ;|| 1== :: -  -  > ?[30] 
/* main.c 1841: */
/* main.c 1842: */q
/* main.c 1843: */
/* main.c 1844: */L"ws";  4e5 
/* main.c 1845: */ab&  &x=1;L  0;?1845 123456789  ;
/* main.c 1846: */defined 1846(2)x=1; 1846-
/* main.c 1847: */ >< &&; 1u 
/* main.c 1848: */z ->
/* main.c 1849: */y
/* main.c 1850: */_asm_not L'w' { >  >=
/* main.c 1851: */
/* main.c 1852: */wdefined ==  *
/* main.c 1853: */1853)] 1u 	: "s" 4e5  >> 123456789 >  >=
/* main.c 1854: */zL 'w' 0; 1u  . a.*b "s"a.*b Ms.x<<=
/* main.c 1855: */z  1234567890  a.*bL "ws" 1.5 < intalpha_beta_gamma_delta x=1; || Lname> f(1,2) 1 1.5  -  -^=)* &  &  "s"'c' * .  
/* main.c 1856: */
/* main.c 1857: */q
/* main.c 1858: */
/* main.c 1859: */1.5 L"ws" [*+=; ( )
/* main.c 1860: */abs.x 
/* main.c 1861: */
/* main.c 1862: */q
/* main.c 1863: */
/* main.c 1864: */
/* main.c 1865: */1234567890  ?  ...  0x1F [
/* main.c 1866: */xx & 
/* main.c 1867: */
/* main.c 1868: */w-L'w'>!= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 , 0  ;&  &&& 
/* main.c 1869: */ab &  &
/* main.c 1870: */-
/* main.c 1871: */ ><<=x__LINE__<<=  07   1234567890 &&||  .5 int +  +:  ]  %(7) ::  12L & 9
/* main.c 1872: */9 
/* main.c 1873: */->alpha_beta_gamma_delta *  0 -
/* main.c 1874: */ >
/* main.c 1875: */
/* main.c 1876: */q
/* main.c 1877: */
/* main.c 1878: */defined:alpha_beta_gamma_delta  ... <  <alpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 1879: */abL "ws" & 1.5  defined ?==>> , +=  12L   :::^=)+= _asm_not 
/* main.c 1880: */x* defined== 
/* main.c 1881: */x 07  == 
/* main.c 1882: */alpha_beta_gamma_delta :: ... L'w'{ %  ... ^=definedx=1;  0  -  -: ~ 4e5  1u &&~: 1.5  
/* main.c 1883: */
/* main.c 1884: */w<  <
/* main.c 1885: */&  & ...  .  != 
/* main.c 1886: */z defined ;1 - 12L  -  - * {  123456789  _asm_not 
/* main.c 1887: */
/* main.c 1888: */L'w' : !=
/* main.c 1889: */
/* main.c 1890: */q
/* main.c 1891: */
/* main.c 1892: */|| L'w'_asm_not    <  <1892 
/* main.c 1893: */<  1 
/* main.c 1894: */
/* main.c 1895: */y(L"ws" int[L'w'-
/* main.c 1896: */ >a.*b  .  ^=  123456789   0   12L -  -
/* main.c 1897: */z  0 
/* main.c 1898: */
/* main.c 1899: */+=  12 
/* main.c 1900: */L'w' +  +  0;   1234567890 "s"    4e5  1234567890   ... (7) ->~==L{ --] 9
/* main.c 1901: */9 1901   s.x!= 
/* main.c 1902: */-
/* main.c 1903: */ > 
/* main.c 1904: */1.5  123456789  
/* main.c 1905: */
/* main.c 1906: */q
/* main.c 1907: */
/* main.c 1908: */1 
/* main.c 1909: */!=  1234567890   07 (7) x=1;
/* main.c 1910: */L'w'| Lnamedefined  <  < & %
/* main.c 1911: */
/* main.c 1912: */q
/* main.c 1913: */
/* main.c 1914: */(Lname -> 
/* main.c 1915: */+=
/* main.c 1916: */
/* main.c 1917: */q
/* main.c 1918: */
/* main.c 1919: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --xa.*b%
/* main.c 1920: */> 
/* main.c 1921: */
/* main.c 1922: */y:1 [L 
/* main.c 1923: */
/* main.c 1924: */w 123456789  ... 	
/* main.c 1925: */
/* main.c 1926: */w,a.*b? |  ==x=1;[->% alpha_beta_gamma_delta .5 ,|   12L L"ws" +  +
/* main.c 1927: */y <  <,  ... &-: L'w'  0; +=	L"ws"-  -- 0 
/* main.c 1928: */;== ... ~"s":: MLname defined &&
/* main.c 1929: */>  >= 12L  != ;] 
/* main.c 1930: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) 'c'[
/* main.c 1931: */z^=int 12  alpha_beta_gamma_delta
/* main.c 1932: */<  < |
/* main.c 1933: */
/* main.c 1934: */w ? 07 -
/* main.c 1935: */ >"s">>-> defined
/* main.c 1936: */
/* main.c 1937: */
/* main.c 1938: */| 
/* main.c 1939: */~  9
/* main.c 1940: */9   0;< +=  07  12L ==| _asm_not( L"ws" 1.5 <<= ->  9
/* main.c 1941: */9  .5 >  >=
/* main.c 1942: */1.5  (,  123456789  (<  <'c'L"ws"-
/* main.c 1943: */ > 
/* main.c 1944: */+= ||int *_asm_not 123456789  1.5  
/* main.c 1945: */
/* main.c 1946: */x=1; 	  0 >:: x	 	  ... +  + 1946 123456789  "s"+  + 0x1F 
/* main.c 1947: */
/* main.c 1948: */q
/* main.c 1949: */
/* main.c 1950: */&&  ...  }<^=  . -  -
/* main.c 1951: */ > f(1,2)+  +&  &  9
/* main.c 1952: */9 !=
/* main.c 1953: */
/* main.c 1954: */w{- 07 
/* main.c 1955: */
/* main.c 1956: */q
/* main.c 1957: */
/* main.c 1958: */% ...  :: .5 & ?({  1u 
/* main.c 1959: */ys.x  x=1;	  0x1F (2) a.*b 1234567890 Lname ^= 'c'( 1234567890   12 ;
/* main.c 1960: */
/* main.c 1961: */<+=
/* main.c 1962: */y  1234567890   9
/* main.c 1963: */9   12   12  ] 
/* main.c 1964: */
/* main.c 1965: */w[ +  +_asm_not&&  4e5 ) & 
/* main.c 1966: */
/* main.c 1967: */::intalpha_beta_gamma_delta-  -^=
/* main.c 1968: */...  ::s.x x 0x1F 
/* main.c 1969: */) 0;L"ws"
/* main.c 1970: */L'w' ^= (7)alpha_beta_gamma_delta  L"ws" +=
/* main.c 1971: */. ^=)  4e5 
/* main.c 1972: */1 ~ 1u ^= L"ws" 
/* main.c 1973: */ab 
/* main.c 1974: */
/* main.c 1975: */w~
/* main.c 1976: */
/* main.c 1977: */||(7)  12   . &&-  -[  ...    9
/* main.c 1978: */9 "s"x=1;x=1;[30]->-  -[ 	 ?1978 }  1.5  -
/* main.c 1979: */ >L .  ^=-  -  0x1F  
/* main.c 1980: */ab  1u  4e5  ,:definedf(1,2) --Lname->  123456789 _asm_not{
/* main.c 1981: */+= :: L"ws" )
/* main.c 1982: */
/* main.c 1983: */w L x 1.5 +=
/* main.c 1984: */&+=>  >=  0;-  -  - |		 1234567890  ~~
/* main.c 1985: */x  ...   1.5   4e5  ...  != ] 
/* main.c 1986: */? == "s" 
/* main.c 1987: */x=1;  07  07  ) {~- ~ -  -
/* main.c 1988: */ab
/* main.c 1989: */z>^= a.*b( -  -<  < 1989(2) <<=s.x 
/* main.c 1990: */y 
/* main.c 1991: */
/* main.c 1992: */q
/* main.c 1993: */
/* main.c 1994: */+={ ) 	1994- 
/* main.c 1995: */
/* main.c 1996: */q
/* main.c 1997: */
/* main.c 1998: */(7) "s"+  +
/* main.c 1999: */x (s.x ) ?>  >=
/* main.c 2000: */
/* main.c 2001: */q
/* main.c 2002: */
/* main.c 2003: */1( >  07  12L  ) -> 'c' 12  1.5  ] _asm_not__LINE__[30] 0 
/* main.c 2004: */defined 1234567890 s.x 9
/* main.c 2005: */9  
/* main.c 2006: */12L 
/* main.c 2007: */y::
/* main.c 2008: */y 'c'
/* main.c 2009: */<  <  <<=alpha_beta_gamma_delta  0; 
/* main.c 2010: */x
/* main.c 2011: */
/* main.c 2012: */w&  &-  -
/* main.c 2013: */z!=L"ws" % LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2014: */y +=>  >=  a.*b
/* main.c 2015: */z&&--+  +  0;
/* main.c 2016: */
/* main.c 2017: */q
/* main.c 2018: */
/* main.c 2019: */-  -[ ) 1(7)(7)s.x <<=a.*bL 'w'
/* main.c 2020: */z[ ... ?>  >=* -- =='c'>+  +(2)  *  1234567890 2020 -> _asm_not ...  "s"  0  1234567890   12L  123456789 ) 
/* main.c 2021: */ab == <  <L"ws" 12L  1.5   . 
/* main.c 2022: */<<=
/* main.c 2023: */>~ &  &[ 12L >  >= ,-  -int -==&> "s" 
/* main.c 2024: */
/* main.c 2025: */q
/* main.c 2026: */
/* main.c 2027: */>> 0 &  &  9
/* main.c 2028: */9 <<= 'c' 
/* main.c 2029: */
/* main.c 2030: */
/* main.c 2031: */q
/* main.c 2032: */
/* main.c 2033: */1 >> {  4e5 L"ws"defined 0; 
/* main.c 2034: */
/* main.c 2035: */123456789  -
/* main.c 2036: */ > 
/* main.c 2037: */}
/* main.c 2038: */&  &<  <f(1,2) L'w'  12 
/* main.c 2039: */1234567890 :
/* main.c 2040: */ab L"ws" |,+  +->
/* main.c 2041: */z 'c'? [L'w'defined +  + 
/* main.c 2042: */ += "s" [30] f(1,2) 
/* main.c 2043: */+=
/* main.c 2044: */
/* main.c 2045: */
/* main.c 2046: */q
/* main.c 2047: */
/* main.c 2048: */[  >> 1 1u   _asm_not_asm_not 12L  
/* main.c 2049: */+=+=int 
/* main.c 2050: */x] 'c'<  < ; 1.5 2050 a.*b[ * . ::|->>  >=	a.*b L'w'
/* main.c 2051: */-> defined
/* main.c 2052: */
/* main.c 2053: */q
/* main.c 2054: */
/* main.c 2055: */&  &||!= (7)f(1,2)~ ]&  &<
/* main.c 2056: */07 :&  & }defined 1=='c'::defined  (2) (7) L'w'x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1ML-
/* main.c 2057: */ > | { 0; - 07 
/* main.c 2058: */: 1u  
/* main.c 2059: */- , )  .5 || 123456789 ;|  0; >  >= 
/* main.c 2060: */
/* main.c 2061: */q
/* main.c 2062: */
/* main.c 2063: */-
/* main.c 2064: */ > f(1,2) )	> 
/* main.c 2065: */
/* main.c 2066: */ab
/* main.c 2067: */Lname  != 07 (2)  L)><  < 1.5 >  >=
/* main.c 2068: */0x1F ~~ ->&  &LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 alpha_beta_gamma_delta ,   
/* main.c 2069: */x _asm_not
/* main.c 2070: */yLname 'c' xL 'w' [30] 
/* main.c 2071: */&  & .  07  +  +_asm_nota.*b 
/* main.c 2072: */x(7)< > ~s.xLname !=  1u ( 1 (7)>>defined -- 	  12L <  <(7)
/* main.c 2073: */z::
/* main.c 2074: */int  4e5 ; { 1u    
/* main.c 2075: */- [30]Lname|| ; ( [  ...  ~-  - &  & ; != &&  12L -
/* main.c 2076: */ >; ?] 0x1F  _asm_not &  &?>  >=  123456789 1(7) }[ <<= ...  
/* main.c 2077: */z
/* main.c 2078: */+= 
/* main.c 2079: */ab += &&a.*b } "s" ==  .    s.x--(7)<<= (   1u "s"  ? 07  *>  >=  ==[30]&1 .  [Lname (2) - 
/* main.c 2080: */z 	
/* main.c 2081: */+= 12  --x=1;  ] 
/* main.c 2082: */ab )>  >=  123456789 
/* main.c 2083: */LL"ws" 
/* main.c 2084: */ab-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  1.5 ( 
/* main.c 2085: */
/* main.c 2086: */-- 
/* main.c 2087: */x=1; 07  +  +    1234567890  1234567890  ?-  -f(1,2)int|: , f(1,2)<  < "s",:: ( 	*; a.*b ]-[ 123456789   07   ...  )--<  <1
/* main.c 2088: */+=
/* main.c 2089: */
/* main.c 2090: */q
/* main.c 2091: */
/* main.c 2092: */+  +
/* main.c 2093: */
/* main.c 2094: */ab 12L   1u      12 >  >=[ 07 * -  - 12L &  & x=1; 'c' !=  07 "s"-
/* main.c 2095: */x> .5  ;  0 
/* main.c 2096: */Mab  ) 
/* main.c 2097: */x ?+  +  9
/* main.c 2098: */9 x=1;(  12L  
/* main.c 2099: */1u  07 x
/* main.c 2100: */
/* main.c 2101: */w
/* main.c 2102: */
/* main.c 2103: */
/* main.c 2104: */>
/* main.c 2105: */
/* main.c 2106: */( 07  "s"L'w' 
/* main.c 2107: */+= , <  < 
/* main.c 2108: */ <<="s" .  0  :: ? &  & -  - 12L  <<=  12  
/* main.c 2109: */123456789  
/* main.c 2110: */z x=1;(7) && 1.5  & ;
/* main.c 2111: */x  .5 
/* main.c 2112: */ab ==]
/* main.c 2113: */z >  >= ]  12 < ]
/* main.c 2114: */1.5  -
/* main.c 2115: */ > 'c' ; 
/* main.c 2116: */f(1,2)defined (2)+= { ->-  4e5  * *"s"> 
/* main.c 2117: */
/* main.c 2118: */z (2)
/* main.c 2119: */>'c'	-  --s.xx 2119+  +<<=  07  
/* main.c 2120: */z 
/* main.c 2121: */
/* main.c 2122: */q
/* main.c 2123: */
/* main.c 2124: */(== {{?( 
/* main.c 2125: */intab += 1u   0x1F (7) 1.5   
/* main.c 2126: */z
/* main.c 2127: */
/* main.c 2128: */w %<<= ; &  &,+  + x=1;L'w' <
/* main.c 2129: */
/* main.c 2130: */q
/* main.c 2131: */
/* main.c 2132: */9
/* main.c 2133: */9 _asm_not   12 
/* main.c 2134: */yL 'w' -
/* main.c 2135: */ > -
/* main.c 2136: */ > != < 07 &s.x{ ; 12 ]f(1,2) 4e5  != ]a.*b > 123456789 -
/* main.c 2137: */ >  >  >= 
/* main.c 2138: */
/* main.c 2139: */<  << << < L 
/* main.c 2140: */z  9
/* main.c 2141: */9  9
/* main.c 2142: */9 <  < ~ 1u  : 4e5  &  &&&{ 
/* main.c 2143: */+= 
/* main.c 2144: */defined->
/* main.c 2145: */z& x 
/* main.c 2146: */4e5 )|| :: 'c'^= }L"ws"[(2) 123456789 : 123456789 ~ ^= ?& < 123456789 "s"
/* main.c 2147: */
/* main.c 2148: */>,  1234567890  L'w' ) 
/* main.c 2149: */ab  . |(2) [ 
/* main.c 2150: */Lnamedefined 'c'L'w' &	x (7)"s"2150	<  <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	 1234567890   1.5 (2) 
/* main.c 2151: */
/* main.c 2152: */q
/* main.c 2153: */
/* main.c 2154: */f(1,2)<<=+= LLname~ 
/* main.c 2155: */
/* main.c 2156: */w== defined Lname ( >  >=(2){_asm_not  123456789  a.*b 1u 
/* main.c 2157: */07 L"ws"
/* main.c 2158: */
/* main.c 2159: */
/* main.c 2160: */)  9
/* main.c 2161: */9  ;1+  + 07  :: +  +
/* main.c 2162: */
/* main.c 2163: */1 ? > 1234567890  int:: >  >=s.x
/* main.c 2164: */x
/* main.c 2165: */y)== [30]
/* main.c 2166: */
/* main.c 2167: */+  + 
/* main.c 2168: */
/* main.c 2169: */q
/* main.c 2170: */
/* main.c 2171: */12L (2)L
/* main.c 2172: */+  +  
/* main.c 2173: */
/* main.c 2174: */q
/* main.c 2175: */
/* main.c 2176: */123456789   ...  Lname
/* main.c 2177: */x a.*balpha_beta_gamma_delta& defined+= (2) 1234567890 
/* main.c 2178: */z-
/* main.c 2179: */&&  12L ~  9
/* main.c 2180: */9 -- .  - &||alpha_beta_gamma_deltaL 4e5 a.*b <<=[L >  >=- 
/* main.c 2181: */z  0x1F  12L   4e5  1u  12  < :   } L _asm_not+  + 1234567890  - (2)
/* main.c 2182: */x  07  0  12L  <<= :: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0; 1u 
/* main.c 2183: */
/* main.c 2184: */<  <  12  0x1F +  +  -
/* main.c 2185: */ >-
/* main.c 2186: */ > 0;== })x=1;[     ...  defined 
/* main.c 2187: */&  &~ 
/* main.c 2188: */x=1;	 defined&&%<  <+=_asm_not <<=  0; 0  -
/* main.c 2189: */ >  1.5  |  07   4e5 ::
/* main.c 2190: */alpha_beta_gamma_delta||  123456789 { "s"  9
/* main.c 2191: */9 L -
/* main.c 2192: */ >L 2192 
/* main.c 2193: */
/* main.c 2194: */&  &   alpha_beta_gamma_delta 4e5 "s" +  + f(1,2)<    0 
/* main.c 2195: */
/* main.c 2196: */q
/* main.c 2197: */
/* main.c 2198: */1234567890   9
/* main.c 2199: */9 
/* main.c 2200: */
/* main.c 2201: */q
/* main.c 2202: */
/* main.c 2203: */} ...  %
/* main.c 2204: */
/* main.c 2205: */q
/* main.c 2206: */
/* main.c 2207: */
/* main.c 2208: */2208 1234567890 
/* main.c 2209: */
/* main.c 2210: */&  123456789  9
/* main.c 2211: */9   ... 
/* main.c 2212: */+= <<=<  <{x=1;&  & ::(|& >  >=%  1234567890  9
/* main.c 2213: */9  1234567890 [30] 
/* main.c 2214: */ab s.x 
/* main.c 2215: */
/* main.c 2216: */q
/* main.c 2217: */
/* main.c 2218: */12  0  123456789 [30] 1u  -  > .5 [  . (7) f(1,2)&  &  12L L"ws"  . &  & 
/* main.c 2219: */x>> 12L alpha_beta_gamma_delta 123456789    &&<>  >=: 	  .5  &  &&&|-
/* main.c 2220: */ >1
/* main.c 2221: */. (2)-- 	 0 :(7) 12 defined-> (2) 1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (a.*b >  >=L ?	^= int( }- 1.5 _asm_not  07   .   1234567890 >> ?(7)
/* main.c 2222: */.5 :: s.x-> 4e5 &&  12L   9
/* main.c 2223: */9 * -
/* main.c 2224: */ >&  & 1  0; * ? >  >=
/* main.c 2225: */
/* main.c 2226: */q
/* main.c 2227: */
/* main.c 2228: */L'w'1; 'c':: 
/* main.c 2229: */+= (7) 
/* main.c 2230: */y  .5  9
/* main.c 2231: */9 
/* main.c 2232: */x} 
/* main.c 2233: */(2) x=1; 07  _asm_not ::>> 0;(
/* main.c 2234: */y-  -,|  1.5 [  123456789  -  ==)[30]<<=
/* main.c 2235: */
/* main.c 2236: */(  1u  f(1,2)'c'== !=  4e5  [30]  0x1F  f(1,2)  9
/* main.c 2237: */9 |LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=!=x-
/* main.c 2238: */ >
/* main.c 2239: */-
/* main.c 2240: */ >(2)alpha_beta_gamma_delta "s"1 
/* main.c 2241: */
/* main.c 2242: */
/* main.c 2243: */z (7)>> (2)	 
/* main.c 2244: */&  &
/* main.c 2245: */[30]  ~ 12 	  ...  
/* main.c 2246: */x 12  x ] && 
/* main.c 2247: */& 9
/* main.c 2248: */9  < 9
/* main.c 2249: */9   9
/* main.c 2250: */9  	  1.5 <
/* main.c 2251: */z 
/* main.c 2252: */x   12  &  &% 0x1F , 1<  <
/* main.c 2253: */)  12L >  >=L'w' 
/* main.c 2254: */&&-- : |-
/* main.c 2255: */% >>
/* main.c 2256: */+=  1u  .5 L'w' s.x'c'>> -
/* main.c 2257: */ >_asm_not 'c'2257 12L ]
/* main.c 2258: */+= --  0  0x1F 
/* main.c 2259: */z
/* main.c 2260: */za.*b-2260 .5 % 0x1F 
/* main.c 2261: */
/* main.c 2262: */1u  defined <  <->!= .5 s.x 
/* main.c 2263: */ab Lname>  >= _asm_not }alpha_beta_gamma_delta[[>>  123456789  1234567890  <  < ;2263 
/* main.c 2264: */z -  - [30]x=1;Lname ::  0x1F  ... +=;^=  4e5  ~ 
/* main.c 2265: */
/* main.c 2266: */q
/* main.c 2267: */
/* main.c 2268: */1.5 1->] 1.5 1  0x1F  
/* main.c 2269: */+=
/* main.c 2270: */x^=s.xs.x >  >=
/* main.c 2271: */+=
/* main.c 2272: */z  1234567890 x=1; 
/* main.c 2273: */+  + MdefinedLname :: 
/* main.c 2274: */x
/* main.c 2275: */+= 0 +  +  12L   1u   4e5  	 4e5   0 != 	^=  12 a.*b && ?==  1 ]
/* main.c 2276: */
/* main.c 2277: */--
/* main.c 2278: */+=-  -defined&  &) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,+=-> f(1,2) 1u  alpha_beta_gamma_delta 1>  >===-- 4e5 : (2)>  >> 0x1F  ^=+  + 1234567890  int 1u  -> (2)  12L  Lf(1,2)&&<  < : &  &  1u  
/* main.c 2279: */[30] ( -
/* main.c 2280: */ab    2280[30]>>{ 12L >  >=!= 12  ->  1u +  +s.xs.x 
/* main.c 2281: */y_asm_not 
/* main.c 2282: */ab  1234567890  -> * 
/* main.c 2283: */-
/* main.c 2284: */ > == 1 1234567890 &  & 
/* main.c 2285: */
/* main.c 2286: */. 
/* main.c 2287: */+= (2)<  <  1234567890  -  - alpha_beta_gamma_deltaLname :<<=
/* main.c 2288: */9
/* main.c 2289: */9  L x 
/* main.c 2290: */>  >= Lname
/* main.c 2291: */+= 12L --<  < 
/* main.c 2292: */y  1.5  ^= ;x
/* main.c 2293: */(7) 12L  ;~ %_asm_not& _asm_not:  4e5 
/* main.c 2294: */x 
/* main.c 2295: */
/* main.c 2296: */w f(1,2)_asm_not  123456789 ==, "s"s.x f(1,2) 0 += != . L"ws"x=1; 
/* main.c 2297: */
/* main.c 2298: */q
/* main.c 2299: */
/* main.c 2300: */%[30]<  <>  >=)~ >  12L LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2301: */z<<=+  +
/* main.c 2302: */(7)>> "s"<int
/* main.c 2303: */4e5 s.x 07  (2)int > x=1;
/* main.c 2304: */z
/* main.c 2305: */
/* main.c 2306: */q
/* main.c 2307: */
/* main.c 2308: */... L"ws""s"-  -% 9
/* main.c 2309: */9  
/* main.c 2310: */
/* main.c 2311: */q
/* main.c 2312: */
/* main.c 2313: */
/* main.c 2314: */
/* main.c 2315: */w  0  [30] 
/* main.c 2316: */
/* main.c 2317: */12  1234567890   &  &  0 ] 123456789 -  -|| , LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int 
/* main.c 2318: */2318* ::L'w' ?  1234567890  4e5  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2319: */1.5 __LINE__L "ws" 07 --(2) x=1; 'c's.x )->"s">>  0x1F LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --)_asm_not
/* main.c 2320: */'c'% 
/* main.c 2321: */zx=1; 07 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2322: */!=x=1;alpha_beta_gamma_delta defined 1u defineda.*b }->-
/* main.c 2323: */ >
/* main.c 2324: */
/* main.c 2325: */Lname	^= <  <-
/* main.c 2326: */ > 
/* main.c 2327: */,
/* main.c 2328: */
/* main.c 2329: */|
/* main.c 2330: */y s.x] 1.5 <<="s" |	 ...  4e5  
/* main.c 2331: */
/* main.c 2332: */9
/* main.c 2333: */9  <int||>> ( int &&( <<=-  -  12 
/* main.c 2334: */y 12 ) s.x . 
/* main.c 2335: */_asm_not 1234567890 ^=	 &  & 4e5  |-
/* main.c 2336: */ >
/* main.c 2337: */z ||  4e5  x=1;~ - 4e5 LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1{x=1;  >>  
/* main.c 2338: */z(7)!= || <<=&& 0  07  12L : ->] 1234567890 defined 
/* main.c 2339: */z _asm_notx <  < ... 
/* main.c 2340: */
/* main.c 2341: */w&& L~     &  &;a.*b  1u  ...  1234567890   1.5 ? > 1234567890 * <  <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1defined^=  1u &&< 
/* main.c 2342: */y 
/* main.c 2343: */z{ 
/* main.c 2344: */+= (7)  07 -  -> >=}[30]&  & L"ws"	 .5 'c'>  >=(  0;x=1;; 1u  ; 12 ( 
/* main.c 2345: */y  ...  _asm_not  defined ;| a.*b== > L'w'  4e5  
/* main.c 2346: */
/* main.c 2347: */<  < -  - 	 >>>> ^=?s.xx=1;  123456789  == **  0x1F  &&  1.5 (2) 
/* main.c 2348: */>  >===
/* main.c 2349: */---  -_asm_not;>  >=-- ::*L"ws" -< _asm_not  ... 'c' 
/* main.c 2350: */y 07  s.x? :::  .5 ; 0  'c'<< <  0; 12  >  ...  
/* main.c 2351: */L'w' alpha_beta_gamma_delta<<=defined
/* main.c 2352: */
/* main.c 2353: */q
/* main.c 2354: */
/* main.c 2355: */<<= Lname  0;{ 0  1.5  'c' Lname<  < -  -<  < 123456789  ... (7) x 07 x & x=1;Lf(1,2) x % (2)
/* main.c 2356: */xs.x 0x1F L'w' L'w' 
/* main.c 2357: */+=defined
/* main.c 2358: */1234567890 x 
/* main.c 2359: */
/* main.c 2360: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2361: */z x 12 
/* main.c 2362: */
/* main.c 2363: */w 
/* main.c 2364: */
/* main.c 2365: */q
/* main.c 2366: */
/* main.c 2367: */
/* main.c 2368: */-> 12   
/* main.c 2369: */x_asm_notf(1,2)  L int |-  -  .5 ]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1(7) 07  &defined  07 <<=  0x1F (2) . s.x a.*b:: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 (2)  0x1F ~,  07  0; 07 } 1234567890  %Lname -; ==, int
/* main.c 2370: */
/* main.c 2371: */q
/* main.c 2372: */
/* main.c 2373: */1234567890 >  >=a.*b 'c' &  & || 0x1F &  &2373  .5  123456789  defined(||==  [30] 123456789  Lname alpha_beta_gamma_delta- ... && x=1; || (7)L"ws"<  < 1u  123456789  x 123456789 _asm_not
/* main.c 2374: */
/* main.c 2375: */|   
/* main.c 2376: */ab . ?Lname &&{ .5 _asm_not 07 , -> (7)&  9
/* main.c 2377: */9 alpha_beta_gamma_delta ] +  +] 1u ?
/* main.c 2378: */_asm_not^= ; { ... 
/* main.c 2379: */
/* main.c 2380: */z , 	 ...  [30] 
/* main.c 2381: */: <  <
/* main.c 2382: */
/* main.c 2383: */
/* main.c 2384: */x  += [  . += !=<<=  123456789  1 12L   .5 s.xL 'w'
/* main.c 2385: */y||int 
/* main.c 2386: */zint~>> 
/* main.c 2387: */z+= 4e5  
/* main.c 2388: */
/* main.c 2389: */q
/* main.c 2390: */
/* main.c 2391: */1 
/* main.c 2392: */z 
/* main.c 2393: */y ^= - 1u  L'w'
/* main.c 2394: */
/* main.c 2395: */
/* main.c 2396: */z:: 
/* main.c 2397: */x
/* main.c 2398: */% 1 1234567890  0x1F  _asm_not 
/* main.c 2399: */+= --,   alpha_beta_gamma_delta__LINE__]]	::, ) 
/* main.c 2400: */ab (7)	|
/* main.c 2401: */
/* main.c 2402: */w 2402 0x1F 
/* main.c 2403: */yf(1,2)    0;   == 123456789 : (2) ... :x=1; L"ws" ?  .5  2403 , 
/* main.c 2404: */)&&[30] 'c' 
/* main.c 2405: */
/* main.c 2406: */w
/* main.c 2407: */x  0; -- (2) LnameLname^=
/* main.c 2408: */y[ ...  1.5 
/* main.c 2409: */
/* main.c 2410: */q
/* main.c 2411: */
/* main.c 2412: */
/* main.c 2413: */
/* main.c 2414: */, 123456789 
/* main.c 2415: */z 4e5  a.*b   &  &&&int  4e5 -
/* main.c 2416: */ >!= < 0;
/* main.c 2417: */, 
/* main.c 2418: */s.x
/* main.c 2419: */z L"ws"
/* main.c 2420: */ab|  1.5  9
/* main.c 2421: */9 ~-- +=^= 
/* main.c 2422: */z__LINE__ int 0; || <<= 
/* main.c 2423: */xs.x
/* main.c 2424: */xdefined 07 += 1(2) .5  
/* main.c 2425: */z [&
/* main.c 2426: */
/* main.c 2427: */w[}-
/* main.c 2428: */ > -
/* main.c 2429: */ > 1u definedM 
/* main.c 2430: */y ||%
/* main.c 2431: */+= :Lnamea.*b .  L'w' == 1234567890  s.x <^=alpha_beta_gamma_delta 
/* main.c 2432: */?f(1,2)^=-- :|"s" 1234567890  07 [>>1 
/* main.c 2433: */||
/* main.c 2434: */
/* main.c 2435: */q
/* main.c 2436: */
/* main.c 2437: */% 1.5  }-> {|| &&'c', 
/* main.c 2438: */
/* main.c 2439: */f(1,2) (2) _asm_not~%|&&LnameL _asm_not
/* main.c 2440: */
/* main.c 2441: */(7)} 
/* main.c 2442: */z 1 123456789   9
/* main.c 2443: */9 'c' 
/* main.c 2444: */x _asm_not
/* main.c 2445: */
/* main.c 2446: */w 0  'c' ==<  < 
/* main.c 2447: */x || 4e5  
/* main.c 2448: */]>>x 0x1F   07  ,Lname 
/* main.c 2449: */z^= +  +
/* main.c 2450: */
/* main.c 2451: */q
/* main.c 2452: */
/* main.c 2453: */||:: 9
/* main.c 2454: */9 'c' 
/* main.c 2455: */ab 0x1F +  + 
/* main.c 2456: */
/* main.c 2457: */<  <  07 
/* main.c 2458: */
/* main.c 2459: */
/* main.c 2460: */0x1F  >>
/* main.c 2461: */y +  + ? 0 == 07   0;&(7)} -- .5  ;~
/* main.c 2462: */
/* main.c 2463: */q
/* main.c 2464: */
/* main.c 2465: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- [ == >  >= 1.5 [(7) { _asm_not 123456789 -
/* main.c 2466: */ >- 0x1F  
/* main.c 2467: */? :  0 
/* main.c 2468: */1 ? 
/* main.c 2469: */"s"
/* main.c 2470: */x+= 
/* main.c 2471: */
/* main.c 2472: */wint|| x=1;_asm_not+  + 
/* main.c 2473: */y ^=alpha_beta_gamma_delta 123456789 L"ws" (7)
/* main.c 2474: */&  &% 
/* main.c 2475: */|| 
/* main.c 2476: */
/* main.c 2477: */w; 	 12  <defined
/* main.c 2478: */)-  ...   12 
/* main.c 2479: */
/* main.c 2480: */w||  0 
/* main.c 2481: */
/* main.c 2482: */_asm_not	  4e5 
/* main.c 2483: */zs.x
/* main.c 2484: */+= alpha_beta_gamma_delta+=+  +>  >=
/* main.c 2485: */<  <-  -  >> 
/* main.c 2486: */ab 1234567890 ] 9
/* main.c 2487: */9  ==;int
/* main.c 2488: */? ||< -
/* main.c 2489: */ >
/* main.c 2490: */zL'w'&&>>&&+= s.x +  +>>% 
/* main.c 2491: */x--   1.5  'c'> L"ws"
/* main.c 2492: */
/* main.c 2493: */+= x=1; &  &a.*b 4e5 x=1;} -- 
/* main.c 2494: */x 12L 
/* main.c 2495: */
/* main.c 2496: */wLname
/* main.c 2497: */
/* main.c 2498: */q
/* main.c 2499: */
/* main.c 2500: */(2)L 0x1F 
/* main.c 2501: */+= -  - 12  _asm_not 12  <&[a.*b
/* main.c 2502: */
/* main.c 2503: */0  
/* main.c 2504: */y <<=)f(1,2)  9
/* main.c 2505: */9  ==  07 } 
/* main.c 2506: */==(2)'c' ]  .5  -> !=
/* main.c 2507: */L %[30]<  <  9
/* main.c 2508: */9 L'w' 0;  12L  ->? 
/* main.c 2509: */{LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 _asm_not &&?|? <  < 1u && _asm_not< ...   1234567890 f(1,2): *
/* main.c 2510: */~ ;:: [
/* main.c 2511: */+= >  .  %&  & >  >=Lname__LINE__ 12  >>: ] alpha_beta_gamma_delta -  - ? 
/* main.c 2512: */z 0 ([30] 1  . ^= 
/* main.c 2513: */
/* main.c 2514: */0x1F    
/* main.c 2515: */+=  1.5  == [30] L  1u LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 1u f(1,2)  4e5  *-
/* main.c 2516: */ > 	<  <x=1; &&(7) int(2)==
/* main.c 2517: */z 'c' int*> [30]||
/* main.c 2518: */y 0x1F  
/* main.c 2519: */y 0  a.*b 1.5  ;  0x1F  07  12L 
/* main.c 2520: */
/* main.c 2521: */q
/* main.c 2522: */
/* main.c 2523: */L"ws"<::  1.5  >  >= 2523 ]"s"  0  ( 
/* main.c 2524: */
/* main.c 2525: */q
/* main.c 2526: */
/* main.c 2527: */{ f(1,2)-
/* main.c 2528: */z -&&<
/* main.c 2529: */
/* main.c 2530: */w %  123456789  != 	 ) 
/* main.c 2531: */->
/* main.c 2532: */ab ::    1u   12L  -- } == 
/* main.c 2533: */. 
/* main.c 2534: */4e5  12L a.*b<<= xL "ws"
/* main.c 2535: */
/* main.c 2536: */w &a.*b  9
/* main.c 2537: */9  ]"s"!= 
/* main.c 2538: */
/* main.c 2539: */w 
/* main.c 2540: */~
/* main.c 2541: */
/* main.c 2542: */(2)alpha_beta_gamma_delta
/* main.c 2543: */12  x -- += 
/* main.c 2544: */
/* main.c 2545: */... -x 0; +  +  .  >>==( ->a.*b -  -{ -
/* main.c 2546: */ab, >> ; (7) 
/* main.c 2547: */z: . == &  &LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1[ <  < [ ... 
/* main.c 2548: */ab && (2)!=(2)
/* main.c 2549: */z__LINE__ 
/* main.c 2550: */y ...  >  >= 1.5  ML 'w'>> [ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1+=::L'w' 9
/* main.c 2551: */9  07  2551"s"-  -<
/* main.c 2552: */alpha_beta_gamma_delta%    1.5    && 4e5 _asm_not
/* main.c 2553: */
/* main.c 2554: */q
/* main.c 2555: */
/* main.c 2556: */
/* main.c 2557: */z x)_asm_notM _asm_not :&  & .5 : 12  } , 1234567890 L'w' }^= - 
/* main.c 2558: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__LINE__ 1u ~[ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1^= "s" 
/* main.c 2559: */alpha_beta_gamma_deltaL 'w' --+  +L~ int |L ] -  -<<=&L"ws">> 12 
/* main.c 2560: */||
/* main.c 2561: */x
/* main.c 2562: */+=alpha_beta_gamma_delta  1u  4e5 -
/* main.c 2563: */ >:
/* main.c 2564: */z--  .5   
/* main.c 2565: */
/* main.c 2566: */<<= .5  alpha_beta_gamma_delta 
/* main.c 2567: */07 <  <defined 0;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1&  & 
/* main.c 2568: */x[30] ( != x 1 %
/* main.c 2569: */ab alpha_beta_gamma_delta ]  .  -> . +  + a.*b+=-  - 
/* main.c 2570: */|| (int 0;a.*b  0 1  1.5 &  & (2),<  < 
/* main.c 2571: */+= 
/* main.c 2572: */ab ; [30]"s" { ... x=1; -> 0; 12L 
/* main.c 2573: */ab 1u  .  
/* main.c 2574: */y   !=  12  _asm_not   [ ;) [:: 
/* main.c 2575: */
/* main.c 2576: */07 int
/* main.c 2577: */+=int -
/* main.c 2578: */ >[ 
/* main.c 2579: */
/* main.c 2580: */zabf(1,2)>  >= (7)(7)| :? -&  & ~ s.x 1u s.x 
/* main.c 2581: */yf(1,2)^=
/* main.c 2582: */y+  +  +=   	
/* main.c 2583: */+=L"ws"a.*bx=1;--== _asm_not
/* main.c 2584: */z  0x1F 
/* main.c 2585: */{ 0; ,|
/* main.c 2586: */x(7)||<<=  9
/* main.c 2587: */9 -> -  12L 
/* main.c 2588: */z L"ws" &  &:: 0; +  +
/* main.c 2589: */
/* main.c 2590: */q
/* main.c 2591: */
/* main.c 2592: */&  & 0;[30] 	2592| (7)
/* main.c 2593: */x  12 &&  9
/* main.c 2594: */9 ,(7) 
/* main.c 2595: */ab (7) 12L  L a.*b x=1; L'w' x=1; 12L "s"
/* main.c 2596: */+=,  0; [
/* main.c 2597: */x
/* main.c 2598: */... f(1,2) % 
/* main.c 2599: */
/* main.c 2600: */w+=(  123456789 
/* main.c 2601: */ab ,  1234567890 
/* main.c 2602: */
/* main.c 2603: */q
/* main.c 2604: */
/* main.c 2605: */a.*b 12  9
/* main.c 2606: */9 1 1||  1234567890   0   _asm_notL 'w' 123456789     ]
/* main.c 2607: */
/* main.c 2608: */y (2) a.*b +  +s.x <<= <  1u  (7) .5  
/* main.c 2609: */
/* main.c 2610: */q
/* main.c 2611: */
/* main.c 2612: */:  .5  && >> 9
/* main.c 2613: */9  !=	alpha_beta_gamma_delta "s"
/* main.c 2614: */<  < definedx "s"-L'w'-  - 
/* main.c 2615: */+= 
/* main.c 2616: */...  12L &  &  0  1234567890 (2) % 
/* main.c 2617: */9
/* main.c 2618: */9  
/* main.c 2619: */+=s.x<  <
/* main.c 2620: */ == >> 2620 : 
/* main.c 2621: */+=&  &== 	  || 9
/* main.c 2622: */9 x=1; | ?defined
/* main.c 2623: */
/* main.c 2624: */'c' 9
/* main.c 2625: */9  ~  9
/* main.c 2626: */9  [a.*b	L"ws"  0x1F   07  0; 
/* main.c 2627: */x 'c' ->
/* main.c 2628: */
/* main.c 2629: */w, <<= 0 [alpha_beta_gamma_delta 2629 x=1;| 1234567890    1&"s" 
/* main.c 2630: */+=>  >=[30]  1234567890  * 
/* main.c 2631: */s.x 
/* main.c 2632: */__LINE__L == .  
/* main.c 2633: */
/* main.c 2634: */}&, 
/* main.c 2635: */(2)<<=   -  -
/* main.c 2636: */+= 
/* main.c 2637: */
/* main.c 2638: */&& < LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1{ (2)( >  >= <  <x=1;  1234567890   ...  +  + 
/* main.c 2639: */z .  (2) 
/* main.c 2640: */ab&  & ... 
/* main.c 2641: */x -
/* main.c 2642: */ > 
/* main.c 2643: */x>> > (2) L  123456789   0;Lname 
/* main.c 2644: */
/* main.c 2645: */-
/* main.c 2646: */ >&&1 ) +  +&  & -}  .  <  <alpha_beta_gamma_delta&&(7) ==x> 
/* main.c 2647: */+=L | .  
/* main.c 2648: */
/* main.c 2649: */w
/* main.c 2650: */& 9
/* main.c 2651: */9  +  +
/* main.c 2652: */12L } 12 a.*b -> 9
/* main.c 2653: */9 +  +	
/* main.c 2654: */ab  1.5  123456789  'c' ? 'c' a.*b &&]-int % 	 +  + 07  > 1234567890  |
/* main.c 2655: */x!= (7) 
/* main.c 2656: */ab+=
/* main.c 2657: */
/* main.c 2658: */q
/* main.c 2659: */
/* main.c 2660: */. 
/* main.c 2661: */defined 1u ] L'w'} <<=-
/* main.c 2662: */ > ::
/* main.c 2663: */
/* main.c 2664: */z>> ^= 
/* main.c 2665: */
/* main.c 2666: */q
/* main.c 2667: */
/* main.c 2668: */1234567890  >> 0;  0;&&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2669: */1234567890 defined
/* main.c 2670: */:defined  0; 07  
/* main.c 2671: */y &  &   Lname->
/* main.c 2672: */
/* main.c 2673: */1234567890    int ]>> -
/* main.c 2674: */ > 'c' ^= 
/* main.c 2675: */xa.*b -
/* main.c 2676: */
/* main.c 2677: */w	  
/* main.c 2678: */abdefined| int (2)== 12 - *L , == :: 1.5  (7) L"ws" 12L 
/* main.c 2679: */1.5 **%
/* main.c 2680: */
/* main.c 2681: */ab 12 >
/* main.c 2682: */
/* main.c 2683: */w 
/* main.c 2684: */x: 9
/* main.c 2685: */9 <<= 07  += ~ ) 0; 1u s.x L"ws"  07 
/* main.c 2686: */y ->?;&& int 12  
/* main.c 2687: */
/* main.c 2688: */w^=>>x <
/* main.c 2689: */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M [&& int
/* main.c 2690: */
/* main.c 2691: */12     9
/* main.c 2692: */9  LL 'w'|<  07 -> - 2692 <<= L"ws", L ~& 0 
/* main.c 2693: */zalpha_beta_gamma_deltaM ~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0x1F  (7)a.*b == 
/* main.c 2694: */s.x}L'w'~ ^=
/* main.c 2695: */!={ 0  Lname  1234567890   07    ~ ( 4e5 
/* main.c 2696: */x 
/* main.c 2697: */
/* main.c 2698: */q
/* main.c 2699: */
/* main.c 2700: */123456789  += ::	& 1u 
/* main.c 2701: */0;2701 ... Lname
/* main.c 2702: */x -  - 123456789  
/* main.c 2703: */1234567890  <-  -s.x
/* main.c 2704: */
/* main.c 2705: */q
/* main.c 2706: */
/* main.c 2707: */&  ...   12L    .   9
/* main.c 2708: */9 <  < 
/* main.c 2709: */
/* main.c 2710: */w _asm_not  &  &|_asm_not 123456789  ( ...  12L ] ...  
/* main.c 2711: */z-
/* main.c 2712: */+=2712 	 .5  <  < 1u  9
/* main.c 2713: */9 ~ L"ws" 12L  
/* main.c 2714: */yx+=&  1.5  1u  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
/* main.c 2715: */| 07 
/* main.c 2716: */-	 
/* main.c 2717: */
/* main.c 2718: */q
/* main.c 2719: */
/* main.c 2720: */f(1,2) s.x }*|+  +?~ a.*b ||alpha_beta_gamma_delta L  1u !=*  0;  4e5 s.x
/* main.c 2721: */
/* main.c 2722: */
/* main.c 2723: */
/* main.c 2724: */+=::
/* main.c 2725: */+= -
/* main.c 2726: */ > ^= ~* ...  9
/* main.c 2727: */9 
/* main.c 2728: */+= 0x1F 
/* main.c 2729: */
/* main.c 2730: */q
/* main.c 2731: */
/* main.c 2732: */<  <1
/* main.c 2733: */( . L'w' } 12L [30],?-  -~  .  Lname     . <<=L'w' != int~ >int 123456789 [ .5 x=1;  07 
/* main.c 2734: */x 
/* main.c 2735: */
/* main.c 2736: */
/* main.c 2737: */w
/* main.c 2738: */z  ... 2738 : 
/* main.c 2739: */, != <<= 12L   9
/* main.c 2740: */9 
/* main.c 2741: */
/* main.c 2742: */"s"( 
/* main.c 2743: */] 	;:: 1234567890  x 07 
/* main.c 2744: */>  >= ;  
/* main.c 2745: */y<:( s.x>  >= 1u   07  _asm_not  12L 
/* main.c 2746: */
/* main.c 2747: */q
/* main.c 2748: */
/* main.c 2749: */{"s" a.*b  0; ( 4e5 int && 
/* main.c 2750: */07  -|| 2750 +  +^=f(1,2) 1.5 
/* main.c 2751: */4e5 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M<  ==  9
/* main.c 2752: */9 <<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0x1F   .   .  1u [ )Lname [30] 12  a.*b 1 1.5  ]} : ] int  12  +  +>  >=	"s"|&&-  - (}-
/* main.c 2753: */ >  12L && xLnamealpha_beta_gamma_delta[ +  +&&^=>>( [30] L"ws" 	( .5 [ 9
/* main.c 2754: */9 +  + &[30] 
/* main.c 2755: */
/* main.c 2756: */w| Lnames.x> 1234567890  
/* main.c 2757: */z  0; 
/* main.c 2758: */
/* main.c 2759: */+= 9
/* main.c 2760: */9  x ...  
/* main.c 2761: */&~x L ::>  >=&  & ><
/* main.c 2762: */x 1 123456789    -  -:
/* main.c 2763: */
/* main.c 2764: */123456789 2764[(+=L"ws"   -  -  >(7)*>  1.5  +=_asm_not 4e5  1 -
/* main.c 2765: */ >:: f(1,2) 1.5  .  
/* main.c 2766: */^= >  >= .5 [ .5  Lf(1,2)<  < 9
/* main.c 2767: */9  ^=
/* main.c 2768: */z->f(1,2)x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
/* main.c 2769: */
/* main.c 2770: */