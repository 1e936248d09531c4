}:\
:[:\
:.*] 0  } Lf(1,2)LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1; 12  12  alpha_beta_gamma_deltaclass s.*ptry [ &: ||'c'  12  >->\
* >> x::yx 
    Lname) xalpha_beta_gamma_delta M(q) );*
   != != ,+= // line
 int? > ~  ,+= :: x=1; 123456789 f(1,2) .* :\
:* ->* >> __try || class &alpha_beta_gamma_delta(->]->.*---\
>*  	> )try int LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>> // line
 ,try:  -> >__try&& M(q) x ,int || *L 
#define M(a) a
!=/* c */->x==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 catch class- class < LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1	->M(q) L
#define M(a) a
 :\
: 0  ?__try)try L>>  	[->\
*:x Lx::y+=__try? alpha_beta_gamma_delta ->*s.*p
'c'?->> {
f(1,2) x::y- ->->\
*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1&&+=&&->\
*catch"s" ->\
*__tryclass&&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1&&--* ->s.*p ->\
* 
    int+=catchcatchclasss.*p>> alpha_beta_gamma_delta<.* 
    /* c */~
 :\
:
#define M(a) a
 ,  }catchalpha_beta_gamma_delta *~!= 12 Lname-\
>*// line
 <<=L<- // line
==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>&&x x=1;  123456789  <  0 ] ::/* c */f(1,2)/* c */ x::y>  a->*b->\
*>> )x=1;:: ->*: ? < alpha_beta_gamma_deltaxLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1;* Lclass[ 123456789 && ? {
#define M(a) a
: s.*px->x ->* "s"   __try?+=__try s.*pf(1,2))-\
>*a->*bx=1;catch ::__try-> 	==-
#define M(a) a
::s.*p->->>> {,// line
 ; 123456789  s.*p==( ~!="s" 123456789  Lname 
~] .* .*||Lname->[ Lname [==try catch:\
: ,	 M(q) a->*b  0  
#define M(a) a
 ->\
*x=1;;s.*p!=>> +=
    ; !=/* c */ {; .* != Lname ==
#define M(a) a
x::y 'c' ::* class ?/* c */ ;x Lname>>~ s.*palpha_beta_gamma_delta >> !=~:Lname 123456789 >
)a->*b a->*b<int?: -- ||&&||	 alpha_beta_gamma_delta& a->*b"s" 
#define M(a) a
 ;  classx::y] 
 :  123456789 [ -\
>* // line
 __try+= int ->* } ,>>"s"
   -\
>*||<<=~ 0 :\
: && & &&s.*p~M(q) "s" int >>__try x::yclassM(q)> (== !=->class}__try
    {)( ->\
*- 
M(q)  12  Lname- L*"s"-\
>*class M(q)L?/* c */ f(1,2) ==- += }M(q)"s"}--x::y  <<= ->\
* (& s.*p(< &.* [||x::y< || 12 { < < L LnameL  12  	{ x::yM(q)
== !=? 123456789 // line
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-\
>*== 123456789  L<: alpha_beta_gamma_delta,M(q) 	 catch a->*b )|| f(1,2) ----
   M(q) [ ]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 s.*p ::trytry} &&M(q)---\
>*:\
: f(1,2)!=
   ]; ->) 0 &&int<<=x=1;(<<=try, - M(q): 	&&int 
    :::\
: -> &&: ]L&~  0  s.*pL} <? ->\
*- class[class "s" 'c' [ 0  12 x=1; // line
||[:\
: 123456789 
#define M(a) a
||<!=>>> )!= && }L __try "s".* ; [L LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +=
    M(q)~ ::-\
>*] , /* c */  0 'c': != --Lname:: 0  Lnamea->*b <> __try->*s.*p:// line
s.*pxs.*p-> *!= x=1; [}-> *> M(q) M(q)
#define M(a) a
try -\
>* "s"<<=(.* 123456789  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0 'c' 
	__try 123456789 a->*b [ : *!=>> !=  0  'c';try ==__try*
 f(1,2)->\
*/* c */{ +=: :
#define M(a) a
 M(q)  {try  0  &<<= } x=1; intLname<<='c' <<=M(q)x=1;x=1;*x::y,
#define M(a) a
 :+=*alpha_beta_gamma_delta   - }-\
>*->* & -- 
#define M(a) a
 -
   ]s.*p /* c */s.*p :\
: ] catch> catch f(1,2) 12   
#define M(a) a
 ,-> 
   L x=1; // line
&& <<=||(:&--.*&& 'c' class: M(q) try<  123456789 a->*b 
 .* >  0 
#define M(a) a
 [& 
#define M(a) a
.* 
   ( ]: -\
>*"s"	.*
    try'c'
    // line
<<= < &>> tryintx=1;- x 123456789 }:\
:class .*<  ->* { -	>>? -\
>*) a->*b'c' 0 -(// line
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
-> [LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ,->* > {LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1// line
 || >,x::y !=__try a->*b 12 	 /* c */f(1,2)f(1,2) x=1; ->\
* )::<<= >] ::
 }catchx=1;< class && &&: >>*// line
 Lname ->*
    
    ->\
*x->\
* L) 
   'c' ;? ->*-> --]->>  ) ::<; :x::y ( :: :\
: catchalpha_beta_gamma_delta	 'c' :\
: /* c */ +=x=1;  0 L+= int!= // line
 a->*bs.*pa->*b // line
 LM(q)->*>>> M(q) ; M(q) ; )&   >> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
#define M(a) a
 -- 'c' 12 __try 
#define M(a) a
 *::catch <, classf(1,2)M(q)  123456789  ~ ? x s.*p >><<=<alpha_beta_gamma_delta ?
__tryf(1,2) 0  == x // line
 ;s.*pa->*b /* c */* , 	? <<= // line
 ~f(1,2) classf(1,2)+=~] __tryx=1;== ~/* c */ // line
(- :\
:->\
*->,->->\
* a->*b )|| .*] 0 -> &&catch)-> // line
x=1; || <+=
#define M(a) a
 <a->*b --x=1;||  
 * /* c */ ||->*->\
* 
#define M(a) a
 ?->* x * catch- ] > int alpha_beta_gamma_delta--alpha_beta_gamma_delta ]  0  x=1;LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 123456789 > >-\
>*&& || 123456789 ->\
*int x< class x-- [ :: ( : <<=	---\
>* 123456789 Lname]// line

#define M(a) a
x ->* )~ 123456789 catch== class->> 	 int< :: Lname ( { ;; <
 f(1,2) classLname-x::y
   .*classM(q) .*:->*'c'  12  __tryf(1,2)// line
~+= 	[[))* M(q) catch||try - [ >>- ]; ->
#define M(a) a
x::y  12 ->* 123456789  >>class LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>>==< { &&<<= >
<<= ?
   
#define M(a) a
 ->*.* LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x=1; || .*x__try?  12  catch  >{ -\
>* -&&::.*a->*b[ && ==== alpha_beta_gamma_delta/* c */ // line
 --s.*p catch (, ->Lname // line
?|| f(1,2) :\
:  12 ] 	x::yclass != }&& /* c */ __try , &>> && -\
>*
   <[Lx  /* c */ 
#define M(a) a
x=1; catch class []try x::y 0  ->\
* <int [ 0 ::& (~ 	alpha_beta_gamma_delta  12  0 >> f(1,2) [ (->\
*x ,<
   --* * 'c' ~ ==<<=[ ::a->*b[ 
#define M(a) a
 :\
:->*: __tryx=1;+=alpha_beta_gamma_delta  123456789 	) :; --<:\
:)L < M(q)
#define M(a) a
 12 >*
#define M(a) a
 catch 	x::y {) { += ->\
*a->*b> -\
>* LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ]:?(Lname & <<= try->\
* tryint ? 
int:: &&{(||Lname x::y!= ->* 0  || 
;> !=x"s"&-\
>*, catchM(q).*}-> } 123456789  -  +===>/* c */ -- 12 x=1; , ->+= &&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1) /* c */? 123456789  
   >a->*b- == 12  &"s" *[ & // line
- ? >> ,>> 123456789 ) ::__try .*M(q))x::y __try --->* /* c */ a->*b!=}
 --  0  s.*p	+= s.*p
#define M(a) a
((  0 ||->\
*>> == <'c' >>>>&&  0  ~ ) x=1;-><a->*b'c'&>> {(< }==catch*f(1,2) > 'c'--Lname+= ( x=1; 'c'->* * 
#define M(a) a
:\
:M(q)class"s" :__trys.*pLname? /* c */>
#define M(a) a
->>> /* c */ ->*x=1;:\
: 0  ?"s"
#define M(a) a
a->*b : M(q) += --x->*/* c */:\
:
L class::->\
* == == 
#define M(a) a
>> (!===<<=, ->* } 0 .*  12 try>>x x::y ~   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1< "s"<<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-> == class), 0   0  M(q) &class-\
>*int){->* a->*bx::y!= -> // line
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -><<= 'c'(&& x=1; .*"s" -- & :-\
>*
>>Lx --"s"a->*bcatch||
#define M(a) a
[ :\
:LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ]x&int LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 	x {?class.* a->*b LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :\
:(>>- ->*&{[ M(q)"s":\
:'c' ~M(q) a->*b- &/* c */||catch==+= 123456789 )'c'&&:\
:[ -] ->*&&int  123456789  & 123456789  s.*p~ ==class] -~s.*p/* c */ 123456789  'c'"s"   123456789  f(1,2) -\
>*// line
 M(q)~]__try; 12 'c' >>x=1; >> /* c */>>__try	int, 0 alpha_beta_gamma_delta?? // line
 x?x::y __try/* c */ { &&x"s"Lname int||&[!= ::? Lname< 
<<= & { class == x=1;catch::<<=M(q)+=]
 123456789 ~>>,: .*int.*&&&-  123456789 // line
 intLnames.*pf(1,2)> &&__try->?	 -\
>*"s", // line
<<= ]) ;__try <<=?x=1; catch -- ->\
*~	 f(1,2) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1// line
 :: { { __try x=1; 
    	f(1,2)'c' 
#define M(a) a
 123456789 ;class|| try 12 [ 12  try<  // line
 ->\
*
   Lx::y--s.*p{ & ::; // line
!=&>>>a->*b->&  x * ? catch?||,Lname[>* || 
 alpha_beta_gamma_delta /* c */ ()->* << 'c' 0  x=1;__try .* M(q)  0  s.*p ? & -\
>* != // line
 - f(1,2):\
:- M(q)* ~x::ytry->*M(q) }.*M(q)
 ==== f(1,2) :\
: ( ?int	 ->\
*& - ==?x=1;  0  x__try && ->*- 
    > <<= <<=-- x ,&& a->*b]s.*p f(1,2)x=1;'c'// line
,([* 0 :\
: x ;  0  [ s.*p ->\
*[	L > &M(q)s.*p <<=!=~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1: class+= ->*// line
+=
#define M(a) a

int.* 	"s"} 123456789  *__try x::y::<<=!= 
#define M(a) a
Lname.* -\
>*x::yint  ->catch a->*b 12 -
#define M(a) a
.* +="s" * f(1,2)>>  12  ?LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 && s.*pclass /* c */ ||'c'catchcatch// line
 alpha_beta_gamma_delta ?+=int (() &try ~ 'c'*}   <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ):\
:)
 f(1,2) -\
>* && LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<=) // line
 :\
: M(q)& || } s.*p : a->*b 0  ->* 	) -- __try  123456789  alpha_beta_gamma_delta 0 ; ||->  123456789 (LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -- 
Lname 12  ;!=+=+=x=1;&**&&->\
*&&->* ?-> 12  catch:: try &&:\
:x (try :\
: )!=+= alpha_beta_gamma_delta 12  ~classM(q) ] ["s"-<<= 	<->* 12 s.*p try LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:\
:   "s" 12  Lname->-\
>* >>:\
:+=  12  x::y & class == tryx=1; +=  12 f(1,2)catchx=1; <||||[ }>>M(q)~ < try Lname 0 class~&& M(q);:\
: += ;"s"} { x::y}-- f(1,2)  f(1,2) ->* -> f(1,2)class->* } int int ->*class LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=
#define M(a) a

 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1.*-- ,  12 ,[- , 0 -\
>*->~x=1; a->*b-try
 "s"/* c */x::y+=x::y -\
>*:\
:( class try-> ~__try->\
*f(1,2){ 12 M(q)( >> ==&&"s" ||  12  ) Lname.*--catch ->*:L
   x::y class ] 123456789  {--x *-alpha_beta_gamma_delta class 	alpha_beta_gamma_delta [- :== -> 
* !=L  12  L __try -
#define M(a) a
 L 12  ->'c' :,	/* c */-\
>*-\
>*-\
>* int
    } a->*b&&__try :\
: , > 
#define M(a) a
class  12 &.*:{>> [ ->*&::)]} 
?::( x::yL]M(q) <<= :\
:
    [ 
    [// line
*->* )LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#define M(a) a
x::yx x::y --int->\
*!= Lname }x::y -\
>*L ) 
    ->\
* }L 0  123456789  --:a->*b!=  123456789  [ } &:: ,~ || ||;try, <<=try x::y
    , || *( "s" &) __try ||a->*b xtry f(1,2) alpha_beta_gamma_delta: ,  0  12 == && 0 /* c */  --<->\
*-\
>*M(q) 
<M(q)try) & * 
#define M(a) a
? catch f(1,2)!=   /* c */&&, &: }!= &[ } >+= )]->xM(q): <<= M(q)try'c'---> ::->\
*'c' <<= L>>}M(q)] ==~:/* c */ catch >>:: 	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->\
* 12 *f(1,2)->\
*int int

#define M(a) a
"s""s" -( class) 123456789 :: }>a->*b ;->\
* x::y-\
>*M(q)  123456789  x=1;.*__try L class int>'c'?M(q)[alpha_beta_gamma_deltatryx=1;( alpha_beta_gamma_delta-?:\
: try[catch alpha_beta_gamma_deltaM(q) * && f(1,2) --	 try==!="s" : - --/* c */ ?__try < , ||
   /* c */->	 == 	 ->\
*
   -\
>*__try[ -&& } classx :: [-
#define M(a) a
::M(q)
#define M(a) a
L 123456789  Lname/* c */ // line
&  0  :\
:-\
>*:\
:x&& : [+= .*!=->\
*,->\
* |||| 
    :: alpha_beta_gamma_delta L
   intM(q) __try )|| L ->*a->*b,>- s.*pLname==x=1;<<=x::y :\
:  || ?::int:\
:class "s" f(1,2)x=1; == { :\
:Lname -- } 	 -\
>* *  0  << }/* c */s.*p :\
: >~,: catchf(1,2)<<=  > alpha_beta_gamma_delta ]  123456789 ->\
*+=alpha_beta_gamma_delta -> >> 123456789 try --;xa->*b 123456789 f(1,2)->\
* :: s.*p 
}|| 
   ||f(1,2)f(1,2) __try"s"*->*< [
-\
>* L[ 0   0  __try->*  += 12 -> classx=1;"s" &&__try 12 < s.*p Lname->>> ::,~ :: ,  123456789 ; alpha_beta_gamma_delta != __try 	 || s.*p x=1;::== >>>LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +=&<<= s.*p->*[ (alpha_beta_gamma_delta->\
*.*<<=&Lname *  12  a->*bx::y<<= {  123456789 :-\
>*"s"  0 <<= *f(1,2) || ;[ 0 /* c */ &&alpha_beta_gamma_delta L // line
  12  0 ]->* [:   -->:: (? ==~!=)+= &:\
: 0 	->\
*> :\
:L>{ a->*b __try a->*b ->* // line
 *|| :\
:>M(q)class[:\
: }  0  <-\
>* 0 { try!=x=1;M(q)? ? x::y x::ytry[] 123456789  __try<( // line
?>>__try x=1;;* M(q)> ->*L += intM(q) x? [ a->*b "s" --\
>* 12 <<=M(q) try (   {s.*p 
&& int <<= !=/* c */ alpha_beta_gamma_delta& f(1,2)!= ]~>>  12 :\
: L x >>&->*x=1;__try // line
/* c */{<<= -\
>* -> x::y > alpha_beta_gamma_delta{ } alpha_beta_gamma_delta; ;M(q) , ::\
: 
     0 ~[>>x try// line
{(Lnametry --try	 *+= :\
: x >(
'c' >classx
   [ 123456789 .*.* 
    :?catch&,->\
*f(1,2) L
   
#define M(a) a
<<=class<<=->*try 
#define M(a) a
 --alpha_beta_gamma_delta-~{
#define M(a) a

   f(1,2),}|| ->\
* x::y:&& &&<-> class&& 12 class=="s"__try.*
#define M(a) a
 ) !=||->*
    &'c',)*.*	try(LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=::::\
:&& ] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 &	 += catch	-\
>*try - 
#define M(a) a
	<<= {.* += ) <<= ( a->*bL  0  // line
 ::// line
&&}&x - ( 
 0 ?int->*- __try *} : != <<= 	M(q) !=
   /* c */:\
: int) .*/* c */ x
a->*b < ? {~-- xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -\
>* 12 <// line
 :\
:{  ->*a->*b["s"alpha_beta_gamma_delta +=)|| -|| [ int)f(1,2) int"s"*__tryLname!="s" ?x::yint	a->*b
    ~) 
xa->*b >->*~[ 'c'  123456789 ? int.* M(q)::\
:->\
* .*Lname ~ :: &&x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1int>>'c'[ +=[/* c */--||	int 	 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__try 
 (* LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +=catch>> ->\
*):: ] .*->\
* a->*b x::y&& [>>** 12 :\
:~alpha_beta_gamma_delta}  0  }&&?==--__try'c' x::y 'c'::(||- 0 ->\
* ->\
* &&x -\
>*catch }:: try<class}-- > ] ]"s"s.*p>> ::~ 123456789 __try--== ==->M(q)  12 
 123456789 ? -<<= x=1; * -- 
    :\
:L intx!= __try L[catch: ||~ ::*try L ; __try 
 class , try:: ==>( ]class catch &s.*p ->* ~ - ~& &;inttry.* catch  12 x::yclass.*.*M(q)catch* try try /* c */ --:\
: 0  try~>; L ||L->*->*~alpha_beta_gamma_delta{ --->\
* x __tryx::y[?[ 
 += 	  123456789  ,||>> 0 try+=/* c */alpha_beta_gamma_deltaM(q) 123456789 >(-- int-- (alpha_beta_gamma_delta .*; +=)L}__try catch/* c */{ :\
: 123456789 M(q) :: )
    ?a->*b&'c'L int __try ? -- ->*: catch && -- .* "s"- int "s":: ~ && <L x=1;try!= M(q)int 0 :\
: s.*pLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1* < s.*p -Lint ,* class classcatch->/* c */ :\
::\
:M(q) "s" } >alpha_beta_gamma_delta==,-> x::yint /* c */+=; :int }}; ==<<=( x , 12 -\
>* ::>>}L:: || x * :: >>
"s"alpha_beta_gamma_delta s.*p *->\
* f(1,2)x != - ==alpha_beta_gamma_delta::int :\
: --x::yLname// line
 
    &x::y;? .*-\
>*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__try 
#define M(a) a
  0 --x"s" 
   ?:// line
;<<= ==  ; -\
>*-> >>x=1; Lname&~ >  123456789 x=1; 
 0 <==f(1,2) ]M(q)  0 */* c */ -\
>* x::yclass->:: L
    
    } 0   )-f(1,2)->||/* c */*:\
:-	 ?M(q)( f(1,2) < ==catch M(q) int !=? <<=M(q)// line
  0  123456789  {~Lname int!=<<= __tryx::y > 	LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 x=1;->\
* __tryLname M(q)f(1,2)||x=1;/* c */ ) ; 12  :\
: Lclass catch(M(q)L Lname a->*b["s" == x=1;    12  /* c */ : &&// line
/* c */ <) ->\
* x::y!= +=? 0 s.*p::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :->\
* +=  ::x x::yM(q)> f(1,2) 	  12  
   :\
:L!=  0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1*}x  12 // line
 ]

x=1;}{ Lname -:: 'c' x=1;M(q) 0  ;	class: 123456789 :class->\
* x	s.*p -\
>*a->*b'c' a->*b:: 12 +=<M(q)  12 x::yLname M(q)->\
*x "s"-  12 class] 123456789  [ x::y a->*b x+= :\
: x::y 	,'c'Lname{>>/* c */ :ints.*palpha_beta_gamma_delta x=1; f(1,2)[( )*catch:\
:.*::"s"
#define M(a) a
 ( *? || 0  a->*b->[ ; 
   !=a->*b // line
:->\
*,>>int < & 	 12 __try ->  // line
 & alpha_beta_gamma_delta<* [> 12 [} >>'c'x::y ,M(q) __try__try"s" a->*b ->  123456789 -, 
   .*x=1;(>>/* c */<M(q) >>) 
   Lname   12  > >> [x=1; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 ; 12  alpha_beta_gamma_deltaM(q) 	 M(q)/* c */ __try|| try>>~ ]  *] && L int<<=__try ?~->*  123456789 ( [ M(q)&&<<=-- /* c */int- ->\
*->\
*:\
: ) LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 .* ::: ]int : * +=::+= -\
>*, 'c'--int-> :: <]->\
* [ && }x=1; ~ /* c */ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:\
: ->*// line
  
#define M(a) a
alpha_beta_gamma_delta<<= < ?~{{::&& [ -&&
	 || 
 catch]& ]-- try <<= 	 __trya->*b x=1;<  12  
#define M(a) a
?*]:\
: != 
 
   .* // line
 ->\
* xM(q)>  *?	:\
:
   ~ -- 12 class { { 
#define M(a) a
 :\
:>>f(1,2)< >* 0  [ f(1,2)>>>> x) 
#define M(a) a
 :\
: >||--< int.*>>
    ~ : 12  class * x::y]:;<: 123456789 :class )  	
   Lname->*Lname 0 *  { :  123456789 <;	f(1,2) Lname <  12  ->+="s"+=:\
:,&==s.*p ->\
*] < __try M(q) >int ->"s"-][ ->* f(1,2)	
> 123456789 {-\
>* ) f(1,2) ::-\
>*)  12  } ->\
* != __try 	 ->~Lname 
    -\
>*&& >> >>} 
#define M(a) a
==x::y) ? :\
:// line
 ,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->,~~ -+= ,a->*bLnamealpha_beta_gamma_delta & (&||
#define M(a) a
f(1,2)x/* c */ ->*a->*b ->*x;catchx::y+=><<=int }|| LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 );->\
* f(1,2)f(1,2):\
:<<= ) 	__try 'c'+=.*
int	 
   &&a->*b (	 
::->/* c */ [ 'c'{x=1; s.*p  12  /* c */!='c' 123456789 /* c */])try :~->\
*
#define M(a) a
 // line
 <+=
    L - ; ) tryclass LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> {( int 	 <<=
< :\
:( 0 -\
>* a->*b -\
>*{.* -> __try ::~ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->* .* // line
 :\
:>> 0  __tryLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1f(1,2)* ~~x=1;// line
; 12 "s"s.*p s.*p Lx-- &&catch -\
>**) ==// line
s.*pa->*b /* c */->*+=  0  ( 'c'~try Lname  .* -- 12 & && try->	&& .*( :\
:s.*p == :: .* :LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <Lnamex->\
*
    class :&& Lname alpha_beta_gamma_delta|| ::s.*p LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s" > 
 // line
.* catch->[a->*b 123456789 >>< 12 :\
: 
   
* ; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :\
:catchM(q) a->*b ) >>{Lnamex:class* /* c */catch
   &&:\
: /* c */ .* x::y ><<= >>~ )x 0  && !=> , M(q) *{ -Lname-- ->* a->*b}==
     0 : :\
: 	class*x :]<<=::;}x { 'c' 
#define M(a) a
 'c'|| 
#define M(a) a
try  0 "s"int// line
 -\
>*} 12 alpha_beta_gamma_delta// line
// line
 += LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1!=} xclass == -\
>*s.*p->* [ L  0  [
   [ += ~<<= ->*x=1; ~ class
#define M(a) a
 /* c */ ?&& .*  0 "s" /* c */ :\
:f(1,2) : 12 	( try M(q) -->\
*x::y 'c' alpha_beta_gamma_delta> }) 12  catch [LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 -\
>* x=1; 0  Lname f(1,2) alpha_beta_gamma_deltax>?->\
*a->*b ->]  .*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1>>: classL} {alpha_beta_gamma_delta -- || !=// line
--class.* ] 
#define M(a) a
 -><  12 /* c */s.*p?||{ -- 12  *  <<= == 
#define M(a) a
 ~
 += (M(q)M(q)} -\
>*+= .* -\
>*Lname.* .*< Lname] 
( :\
:
#define M(a) a
"s"(<<='c' 12 'c'(/* c */ !=x::yf(1,2)__try s.*p - < 
#define M(a) a
 --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 --?||--f(1,2)
#define M(a) a
 'c' ~__try class( ,x=1;->x::y== --&&&->> -- ->\
* L LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 x::y::*  123456789 M(q) /* c */ 	/* c */ >>- x::y !=~ ,&->\
*s.*p ,s.*p // line
'c'( ?& f(1,2).*) x x::y == : )'c' >>:: x , {L:>&{[x/* c */	-\
>*&& alpha_beta_gamma_delta,"s";  -\
>*->* "s"class<L 123456789 f(1,2){try  try s.*p< --// line
x// line
/* c */ +=a->*bclass{} ) ?, *->*   -- <<=:\
: 0  ;<<=a->*balpha_beta_gamma_delta ->\
*x::y ) 
   == f(1,2)] /* c */ 12 } ~/* c */<<= 12 ::a->*b int  123456789 ;'c'?} :+= !=x catch<<= 123456789  'c' && Lnamealpha_beta_gamma_delta >>>!= :: || && ?  12  a->*b .* alpha_beta_gamma_delta & >>>try&&x=1;/* c */ class 0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1]]-\
>*
   { x=1;[ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1> ; >> "s" x::y&&'c' || "s""s"// line
>  0 == )>-\
>*class f(1,2) int M(q) M(q) L-\
>*.*]->\
*(/* c */f(1,2)=={ __try x::ytry: , <] 12 &&,>L * "s"M(q)- >> ::* +=  123456789 [// line
 ] & 	x:\
: 
int
    0 x=1; catch__trytry/* c */ 
 int+=+=  0 -> alpha_beta_gamma_delta.*!=&& )!=
#define M(a) a
catch}{M(q) == 
   )catch )/* c */.*; >>catch 123456789 'c';:\
: class	 (] M(q)|| } [
#define M(a) a
.** [< ::>==--LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->* &&->* ==
#define M(a) a
 --&& , -\
>*>>    123456789 += (--[; 
#define M(a) a
 L ->\
* 
||x=1; <] += ,~ 
    s.*p !=  int>>- 123456789  <// line
->\
*&&* ~ {f(1,2) int <--"s"*->*int alpha_beta_gamma_deltas.*p[ intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 & 12 "s"'c' >>&:-\
>*->// line
 }!= try ::Lname&& 0   *	x }
   /* c */x=1;f(1,2)try&&x::y 
  {<-: --?catch alpha_beta_gamma_delta -> :\
:	 * ~ -\
>*x::y; ==)) 0  :\
:LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<<= -\
>* == >> !=	 

   LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 0 ,Lname!=?== )->*+=>> ,[? x::y f(1,2) ?M(q) += &
    (  123456789 *+=
#define M(a) a
->} < 12  alpha_beta_gamma_delta catch:::  0  x::y< >>&& :\
:__try 
   ->\
* alpha_beta_gamma_delta 
   ? alpha_beta_gamma_deltaL // line
catchM(q)||.*:\
:
#define M(a) a
::s.*p> )
   a->*b"s"-> == ->* ~
#define M(a) a
 ->\
* ]==,:\
:  0  ->\
*==
    x=1; try x=1; 0 s.*p+= +=catch f(1,2)int-> <!= M(q) catch 
    ->  12 -\
>*<<=a->*b *>try <<= > -> L ::}M(q)
   , ::s.*p
] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->* -\
>*{ >> 	 ::!=	 
    == ~[ * && 
#define M(a) a
 "s" , -> ->\
*.*<a->*b->\
*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1L,x ||LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:\
:s.*p x/* c */s.*p alpha_beta_gamma_delta 123456789   .*s.*pa->*b->* -- ===={-\
>*, 
&&&--
#define M(a) a
'c'	 'c's.*p;*- ->\
*
    :: & ](->* ->\
* : <<=::s.*p||  // line
 --->* a->*b!=a->*b ~ ->* alpha_beta_gamma_delta(* Lname) 0  x--  ~ .*---\
>* & ] s.*p
#define M(a) a
 12  != Lname class ("s"!=-\
>*->*] // line
class 
|| M(q)// line
->*f(1,2)// line
?.*// line
// line
  12 ->.*-> )<<=-\
>* >>->< 
    LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1*->\
*	s.*p__tryx 
   }->* 0 ::f(1,2)a->*b.* ::
!= ? ; 
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 ] -\
>*:La->*b 'c' 
f(1,2){/* c */  12 	}"s"&&->\
* M(q)!={f(1,2) 'c'"s" -x::yint	)> ,!= [ 0 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1try 
   a->*b<) f(1,2){ int,:\
: /* c */ :] }>{->M(q)int
   ||'c'int 0 <L catch int __tryx::yx
 M(q)
    ]alpha_beta_gamma_delta]&& int}->*alpha_beta_gamma_delta alpha_beta_gamma_delta)	-\
>*"s" 0  ]:: int [-> &  123456789  -> __try->~tryL: > (& .*"s"{>>s.*p+=*L x=1; .*--->*:: x=1; ->*(*class __try 0   x x=1;
#define M(a) a
<)
] ~>>int ,!=)a->*b 	 __try-- ||LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:\
: :\
: catch:: 0 :: (a->*b// line
M(q)	* 'c'?== x::yLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-\
>* catch {<<=<<= :\
::\
: && ->( 12 , :\
:  123456789 - ]> L?alpha_beta_gamma_delta{:<<===* ->\
* } ] ==--Lnamex::y f(1,2)[-, catchint< LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1// line
"s"f(1,2) <<=!=// line
M(q) >> 
} 12 ( 0 >:\
: ; &) alpha_beta_gamma_delta *, 0  trya->*b+= /* c */<<= M(q)Lnametry ? } x=1;~{<<=->__try } >+= !=class
->\
*x::y 'c' {;"s"{try ==::, M(q)Lname  12 
    	Lname> == catch+=->\
* /* c */tryalpha_beta_gamma_delta-	  123456789 
+= ] L==& -- < .*--\
>*alpha_beta_gamma_delta)!=+==={<<= ||:\
: 0 ->*{* alpha_beta_gamma_delta||?, >>int--  <<=, f(1,2)!= &&&&& +=* >>[&&* 'c' +=
    int ;--
==int --::&
   catch; ~:x::y<<=<<=  && ( -\
>* &&*,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1==M(q))int s.*p +=+=:\
::;s.*px=1; > > ]-<<= ? .* /* c */LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M(q)*==}[Lname Lname>>& ::x::y -\
>* class s.*p ) try 
   }catch M(q) 'c'x=1; M(q)+=:: ~::: >-:\
: 0  ;->\
*:& > a->*b x=1;-\
>*x=1;):*::,[  // line
 int ->-- 123456789 -- 
 +=    0 ; L  123456789  >>-  catch 12  ->\
*
 s.*p class} try Lname} :\
:
class ? 	; -\
>* M(q) LLname LnameM(q)
    0  ->*&>>>>
 }
    x=1;? x::y }-s.*p // line
Lname*alpha_beta_gamma_delta :\
:+= x=1;[x::y"s" { ]'c' xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ->\
*try*>>'c' x=1;class/* c */:: // line
::||>  123456789 
#define M(a) a
alpha_beta_gamma_delta && ==// line
:\
:->  12  {L & ~
}*::(/* c */a->*b <<=s.*p__try &||-f(1,2)}  0  
#define M(a) a

   { 12  ; +=>>int ( s.*p~catch .*xclass->* x::y ?!=int // line
-\
>*int-- 	:\
: <::: }&--int *	 -\
>* :: alpha_beta_gamma_delta ; x::y+=-\
>*(// line
s.*p(<<=catch alpha_beta_gamma_delta&&->(__try== ->*~ --&& "s"--!=&&	  12 & ->\
* & ->\
*{->\
* Lnameint<<= ::M(q)-- 
    alpha_beta_gamma_delta try L -\
>* ?!=M(q) [;M(q)-\
>* (
 <<=x=1;
    ?[ x=1;x=1;: alpha_beta_gamma_delta'c' 'c' -{ alpha_beta_gamma_delta !=< <<=M(q);(||  123456789 ("s":\
:? class intint -\
>*+= __try-\
>*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1.*
#define M(a) a
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:: 
   a->*b+=== { --__try ==  0  classLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->\
* ->* <"s" Lname "s">>
 ||== ( [a->*bx::y 
   ->\
* ? f(1,2) L;( ||"s"!=L ~  123456789 :\
:// line
Lname'c' 123456789  s.*p<<=}( x=1;M(q) 'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-- 
>>->* 0  :\
:class; :M(q) 0 :\
:,]alpha_beta_gamma_delta[ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=>[x=1;: &&:\
:<<=a->*b-- __try >> [ -
 || --  catch  123456789 ->*// line

    --'c'&&  try|| ,LM(q)>:\
:{x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1->[<L!= {L*)class+= x=1; x=1; ? s.*p ;x=1;)== ( x=1; 
   Lname || class, s.*p// line
 catch// line
!= "s" /* c */:\
: "s"~ int.*__try]  123456789  0  x::y"s"f(1,2)M(q)? class // line
 >>:\
:!=x=1; __tryLcatch - == 123456789 f(1,2)Lintclass{  12  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 .* <->\
*  12 'c' ?& >>->* class ||	 .* ;-\
>*->\
* *  12  += ~)/* c */int ::->\
*x M(q) __try ]==:: ||  0 ]< Lname [M(q) ::{ Lname ?catch { // line
~alpha_beta_gamma_delta ,~ ( +=class Lalpha_beta_gamma_delta!=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1tryclass{|| [alpha_beta_gamma_delta ->\
* -\
>*  x*-\
>*-\
>* ) "s"	 !=->* ?
#define M(a) a
 { /* c */!=try 
    {==; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1::|| int  0 alpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1/* c */'c'[alpha_beta_gamma_deltaLname ) ] class;* ( 12 ] ==[ Lname'c'-\
>*__try 'c'try__try 	// line
a->*bL+= || ; a->*bs.*p>>x::y/* c */, x=1;classcatch class <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__try+=--\
>*M(q): catch ?&& catch x::y[ <<= M(q)
class->\
* ->\
* &|| !=int< .* 123456789  >x=1;::'c'f(1,2)} +=[ a->*b>><<=x ~ ->
#define M(a) a
x ;x
    - /* c */ alpha_beta_gamma_deltaalpha_beta_gamma_deltaL ->\
*--__try .*:\
: >>:: .* <<= ->\
*
 x=1; >> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 }& 0 
#define M(a) a
 < // line
 x=1;
    !=} += { // line
 >> 
?:<<=+=->
#define M(a) a
->* <<=:]-- s.*px=1;x:\
: && ( *  123456789 :\
:.*a->*b!= ( ||-
   
   -\
>*[ .*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >>*} Lname"s" : : ( [+=||  <a->*b
    ]== & -- <<=!= }catch ->*class ==Lname .*->\
*[ catch ,try <) &Lname LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  0  0 & ~  - ::+= }"s"class f(1,2) 12  Lname x ||== ints.*p Lname+= a->*b :\
: "s" ~|| 
#define M(a) a
 L -\
>* alpha_beta_gamma_delta:: Lname) (a->*b 
   }/* c */ {]? "s"Lname+= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 M(q) += <L 
#define M(a) a
 * (}tryLnamef(1,2)&&->*!= x=1;:\
:-\
>* (LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-& x::y ->[ 	 
#define M(a) a
 
:: class
   // line
 ~alpha_beta_gamma_delta--: : && ;, class 123456789 * <<= M(q)&&L x::y	 -> ~ try .* 	:f(1,2)> != !=<<= <!= xint Lname (&&alpha_beta_gamma_delta 	 <"s"** 
== <]alpha_beta_gamma_delta x::yx=1;
   && 0 -s.*p [a->*b:~ ->alpha_beta_gamma_delta>>
    f(1,2)[ ->* // line
--{->{ a->*b.* x=1;--{try - (  0  "s"->\
*int 'c'] alpha_beta_gamma_delta// line
 &(.*, :->*- 0 * 
   x::y > catch // line
 -\
>*||!=__try<<=} < +="s"->\
* /* c */"s"][ try &&  12  !=:\
::\
: >>+= ;Ls.*p* }&& -\
>*"s"f(1,2)catch "s" *{; >>:: *
f(1,2) {[ ~s.*p 	~int& /* c */ >>>!=<<=> M(q) {&&>>'c'-\
>* alpha_beta_gamma_delta<<= ; x=1;// line
 M(q)xcatchf(1,2) ==x=1; catch "s"class--f(1,2)||  123456789 -> += > int
 --f(1,2)->\
* *-\
>*x ~ ->*:\
:|| x x Lnametry
#define M(a) a
 [  12 
#define M(a) a
} x=1;;a->*b:\
:{M(q)int , --<  .* 'c' Lname /* c */ :\
:catch L -> a->*b&& 0  > >> class // line
__try > a->*b->\
*
    ) catch {M(q) class  ,x=1; & 	 // line
 
 x=1;& ?; f(1,2)  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 classM(q)+=- -\
>* {]L L,x::y)
!="s" :: x::y- 
    ->\
*
#define M(a) a
 ->}  123456789 x"s" <alpha_beta_gamma_delta class] :: )>>]<<= ],xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s":x||<<=.**__try [& 0  [<<=&&x=1;try )|| 
?~[Lname;( alpha_beta_gamma_delta "s"__try s.*p -\
>* ? } ->* class} <<=catchM(q) ||, , ) -\
>* ?M(q); ||catch Lclass class - <<= ->* ]:\
:int < ::-] x::y LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *-\
>*  ; 
 'c' a->*bclassf(1,2)> ? >> 12  M(q) 12  /* c */( __tryLname -> { x::yx s.*p 12  Lname , [ 0 :x&&LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x::y== "s".* == >>] 	 int<<=&&(?, Lname~[(==class+=-\
>* ->*->\
* -> trys.*p&->|| & - .*int{? 
 0 int- [LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 alpha_beta_gamma_delta // line
 
   
#define M(a) a
  12 ~+= 
#define M(a) a
 LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >try* ->Lname|| ) x=1;L  0 ,s.*p == x::y LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 s.*p 12 x=1; [ &{ [ :\
: 0 (x Lname-:\
:
#define M(a) a
  -- :\
: 0  try-> /* c */M(q)M(q)'c'->/* c */ ~ class M(q) /* c */ >> class]~x LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *<  "s"}catch ,== || ? &s.*p ||/* c */ 123456789 /* c */ &,'c'*x=1;:	 f(1,2) * a->*b ] ] ->* :: class{
#define M(a) a
try M(q)::.*.* x__tryx=1;+=alpha_beta_gamma_delta::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 
#define M(a) a
int
alpha_beta_gamma_delta+= -- {x->* : // line
:\
: 
   catch 
   : , > Lname -\
>*&
#define M(a) a
* >> /* c */ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1intLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#define M(a) a
s.*p? !=.* x::y__try x::y 12 (* !=-\
>** ->   "s"alpha_beta_gamma_delta: [ :\
: >	 --( 
/* c */s.*p? 0  &
#define M(a) a
<|| 	L)&a->*b -\
>*& <<= ; 
+=->\
*Lname.*>>>->)&{x=1;&&--int==alpha_beta_gamma_deltax::yxalpha_beta_gamma_deltaLint~ ==f(1,2) !=alpha_beta_gamma_delta* x::ycatch && ->* 	int 12 (int* *+=? :\
:x::y)L->*x=1; -- 
#define M(a) a
[ __try - Lname->\
* x=1; f(1,2)~<:\
:|| != == catch ||	x try .*<<= +=] ->
#define M(a) a
 // line
f(1,2)x=1; L 0  {	 L 0 try	  ~  0  ) class+=	 .* ,== 
 < /* c */  123456789 :  123456789  123456789  [~x] x ~ += x=1;>> Lname s.*p	__try->* -> x::y ]-\
>*x::y?classclass,  0 <<=  123456789 class ( || ), 
 try <<=x=1;& .* ->* &&->* :::\
: +=alpha_beta_gamma_delta }? try ||catch& ->\
*->** LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1-- 
#define M(a) a
alpha_beta_gamma_delta class  123456789 x::y"s"a->*b-> ,// line
 >try+= s.*p? 'c' -} -- -> a->*bcatch-\
>* int :\
: x::y*"s"}  12  catchint  12 a->*b<__try<	 && ->\
*!= 
__tryalpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
 12 > xx s.*p[ ** )==-a->*b catch>>~ &	 >{:\
: a->*b{ intLLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
   || ->
#define M(a) a
==x=1;a->*b
   <: ( 0 x::y 
#define M(a) a

   ::x!=// line
x=1;::"s"
; == // line
 -~LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1/* c */-- a->*b==alpha_beta_gamma_delta { f(1,2) <alpha_beta_gamma_deltax::y>x=1;-<LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1,
    
#define M(a) a
 M(q)"s"try->\
*// line
// line
 )+= ;  12 -\
>* f(1,2)// line
>"s" ,||>>/* c */  * ::x=1;; LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 *:: :\
: f(1,2)-'c'x::y:;->& 0 L ints.*p *--'c'x=1;; += 123456789 -- x=1; 
 ;: :\
: +=; Lname ~]:\
:"s"try && 12  int- & try* L:\
:->*> <, ~>> +=!= &"s" .*<<=M(q) ->\
* );>>	int->* ->\
* __try [<<= << }f(1,2)!=:: 
}alpha_beta_gamma_delta	 L->*& ->>>( 123456789 :\
:--? ,Lname{ alpha_beta_gamma_delta>>Lname>> ] <x::y__try->\
* --<intL} [> 0  &&s.*p   s.*p==x::y>try ->s.*p } || try// line
/* c */:\
:
    ->*->*&& .* ::LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1catch->*catchint>.*:\
:x=1; L'c'/* c */ ::<<= 
<) ;; { __try 
 f(1,2) x=1; x::yLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 f(1,2) > < &&Lnamecatch-+= != x=1;tryx::yx||
 ]:\
:  123456789 /* c */ --x x::yx::y ;::s.*p [x L  0 : & 12  
#define M(a) a
  0  --int'c' 	--?&~ x*try { ,/* c */__try 12 f(1,2)f(1,2)+= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ;  0  a->*b] : a->*b Lx::y Lname  12  *-\
>* ;tryint 0 __try --	 ::[ 	&+=->]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ?Lint 'c' :\
:* ====x=1; ==( }> __try: 
   .*"s" += x::y}/* c */  0 
   - ->\
*Lname 	 &&	 +=== ( Lnamex M(q))-|| ()<<=->* &-\
>*"s" __try ->\
* alpha_beta_gamma_delta --try/* c */  12 M(q)-> -.*>> ->\
*s.*p->\
*==x::y -\
>*->\
* a->*b 123456789 ==) s.*p.* // line
'c'*?x
#define M(a) a
 -- 
   -- != }?:: >>x::y 123456789  Lname->\
*class *	 "s"'c' -  12 int a->*b 
 )&/* c */;->; // line
~  123456789  - __try?s.*p & [M(q) <<=( 
#define M(a) a
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1"s"&M(q)  }>>: ~ ==  123456789 ( ::/* c */ tryx::y& , !=<try 0 Lname :(try?+= < [
    0 & __try 
   a->*bint /* c */f(1,2) >tryx->\
* ->\
*tryLname "s" 	,&~==, xLLname
#define M(a) a
x::y	 try ;)]->*!=-x /* c */ ->\
*[ } <<= ->\
*catch (;:\
:  0 Lname ->\
* 12 ->\
* * L-// line
> <<=*.* ;=='c'(?
#define M(a) a
 ;s.*palpha_beta_gamma_delta 
#define M(a) a
x :\
: x=1;x=1;catch )x::y, "s";||, catch L::alpha_beta_gamma_delta->*Lname] ||'c'-\
>*'c'-> // line
 __try >x::y-> >>s.*p Lname'c'x__try Lname --== 	+= ||-\
>* ->f(1,2)
#define M(a) a
alpha_beta_gamma_deltaint"s" catch-LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1__try
   .* -> /* c */&
   == classf(1,2) s.*p:tryf(1,2)  123456789  __try M(q):\
: ==class<<=-
   > 
#define M(a) a
<<= 	 /* c */ ;[->[x 0  
#define M(a) a
 >> 	 -\
>*-> <<= Lname~
 
->&&-- LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :\
:->* ==
 > } -- -\
>* += try* == catch 0  
#define M(a) a
 f(1,2) --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:\
:::"s" 
   'c'// line
 M(q)}- catch ~alpha_beta_gamma_delta.*[ ->\
*x--int ] LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1M(q)a->*b ? < catchx=1; { 'c' >>x=1;::(
/* c */intx=1; ==alpha_beta_gamma_delta x=1;"s"|| f(1,2):::\
: {->\
*int~ try 
#define M(a) a
 (,x::y ->* ->* <> :[;  123456789  catch ->\
*[{ ;~.* -\
>* 'c' >><<=__try{try ==tryint -int-- x::y : LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 123456789  
   catchtry 
#define M(a) a
// line
&& 	+=] (-< ->*LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1x!= __try>> LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1} x::y&]-::(&catch->) ([
    ~*class<<=<<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1/* c */ ~try:\
:+=<->* :: :\
: f(1,2) & L:\
:[* <.* f(1,2)!=	 -\
>*x=1; try catch__try+=/* c */x=1; == 
->\
* LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
#define M(a) a
 
#define M(a) a
 -> 
#define M(a) a
== catch, [< 'c' 
    )] ->* ::==  123456789  &
'c'  // line
'c' 12 *->*-- try [== f(1,2) a->*b Lname:\
:	<<= -\
>* != 'c' class
   <<=
#define M(a) a
*x::yLname;{
    /* c */ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1catchL L 123456789 /* c */L 
#define M(a) a
 - __try 0 catch& *==x=1; a->*b Lname>> * 0  alpha_beta_gamma_delta:+= == ~ .*__tryx::y catch -> f(1,2)"s" a->*b( & - s.*ps.*p Lnamex::y (<<=--
#define M(a) a
||]x=1; !=
&& L
   :\
:  12 tryf(1,2)x"s" ?;> ( s.*p~ 
    "s"||?+= -\
>* -\
>*"s"
   classLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ? // line
::->-\
>***{ catch < || 12  ->*& ;M(q)< // line
 123456789  > intint-\
>*alpha_beta_gamma_delta&M(q) -\
>*
    ::&x::y== x=1;{  x // line
/* c */
   <<=LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1<?->\
*-> +=] x=1;>alpha_beta_gamma_delta ( {->* <:: a->*b ,M(q)( alpha_beta_gamma_delta __try,L ==? [f(1,2){ try!= -,:\
:  
   Lname .*class [ } :\
: }int: M(q)x=1; int && 123456789  }'c'
    || LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 >> 	|| >>]f(1,2)s.*p'c' +=alpha_beta_gamma_deltaa->*b --(x::y -\
>* :"s" catch s.*px ?{ LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 )a->*b <<=<<= "s"catch ->*>[< x::yM(q)Lname Lname +=try L):\
: ::Lname // line
a->*b]+= f(1,2) } +=- , x::y  12 } "s" /* c */L {s.*ps.*p >catch
   <<=&&<<= { ->\
* -   __trycatchxclass{( ->\
* -catch;--s.*p Lname ,  123456789 >::L&&&&x::y<<= 123456789 != )!= || += 12  ; x-\
>*f(1,2)&& -
#define M(a) a
> // line

alpha_beta_gamma_delta .* < :: <[ -) == a->*b x::y- :, alpha_beta_gamma_deltaL "s"!=  ]classLname /* c */(* ->\
* a->*b class  123456789  f(1,2)int 'c' > -\
>*(-\
>* * f(1,2)x=1; [(<-\
>* &Lname-> -/* c */ f(1,2)
.* M(q) ,&&// line
LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ; Lname{ __trytry Lname// line
 123456789  
#define M(a) a
 "s": 123456789 
 ->\
* ?x::y~xx== /* c */ [ & alpha_beta_gamma_delta 'c'? <<= alpha_beta_gamma_delta;try&&||:\
: :\
: x{ /* c */ 123456789 :\
:/* c */s.*px=1;s.*p:\
: catch->*catch* ||a->*bcatch?}-\
>*:__try }::L
 123456789  { /* c */ .*try!=;,>{ ,LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 <<=// line
 -> *== :: <<=	~ -- ) x::yL __tryx::y /* c */-\
>*
x :\
: L <<= ->* ::Lname'c' x::yx::y< .* "s" 123456789 * int ||,catch alpha_beta_gamma_delta	Lname|| * +=x 	: "s"LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :: }::s.*p+= 0  ?  0  L  12 ->\
*catch?!= x~  12 >>x=1;{,try +=: f(1,2) >>><!=__try s.*p*__try 12  f(1,2) 123456789  	
 : 
   * .* --s.*p.* "s": 	// line
alpha_beta_gamma_delta x=1;alpha_beta_gamma_deltaLs.*p >> ~-- && * 
   x=1; ==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1.*x=1; ~x::y , 
:->\
*class )x] .*>> f(1,2) a->*b a->*bint;alpha_beta_gamma_delta 	!=&&   ->\
*  12  >>  12  .* 123456789  :\
:Lname>>&& catch::;x=1; ]
#define M(a) a
-\
>*; int 123456789  	 ->\
* f(1,2)
    (
catch Ltry L ;} -\
>* L.*s.*p /* c */||/* c */< 0  - __tryxx::y /* c */ <>xx=1; != ?catcha->*b, try +=s.*px=1;s.*p ->\
*< a->*b"s"-\
>*>>>>;!=,] 
    -- & class x::y 
#define M(a) a
L// line
<<= x::yLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 != alpha_beta_gamma_delta,>>::x=1; -\
>* -> &&& (!= ) == Lname !='c'&  a->*b != ||~: LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1:: != :\
:LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 12 int < ?~-- 12 f(1,2) x=1; .* f(1,2) "s" x=1;Lname 
#define M(a) a
 ->\
*int< :: >>Lname <<= *->try.* ; += a->*bLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1;
    x__try
    ->* < 	class class ->\
*catch<<= (s.*p>>;>x::y ~ LnameLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 ]__try:: :\
::-\
>* [ alpha_beta_gamma_delta :// line
 catch
#define M(a) a
 123456789  
   <<= LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1  :\
:? 'c'L"s"
#define M(a) a
 f(1,2)class 
#define M(a) a
- ->\
*[: -\
>* & s.*p .* )s.*p 
#define M(a) a
:\
:
#define M(a) a
]&& - LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 class 
   [ -<<= -> -x <<= [, M(q)] ?try L --[class:\
:[/* c */( && Lname &<->*&&f(1,2)x>>x::y --?-\
>*s.*p.*&&
#define M(a) a
 &&&:::: 
 :: 123456789 "s"!= & <<=:\
:L  	 alpha_beta_gamma_delta alpha_beta_gamma_delta LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 :)a->*b x::y -- :{ 
#define M(a) a
>// line

#define M(a) a
// line
* __try|| ; try__try-> /* c */ ->?// line
 x=1;alpha_beta_gamma_delta== <LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1L // line
:\
:: x->\
*>> "s"alpha_beta_gamma_deltaLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 "s" ; +=[ x > ||f(1,2) alpha_beta_gamma_delta*
#define M(a) a
 try&& 12   12 ->\
*"s":\
:"s" f(1,2)	:: x 
    ?!=<|| ~>>catch?||,class== /* c */] :--Lname (|| : x ||*a->*b[ s.*p__try ->\
*) 0  intalpha_beta_gamma_delta ::->*]LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1
__tryx::y .*!= 0 !="s")L }-\
>*&&] // line
 : a->*btry)M(q) 	<a->*b 12 (:\
: ; - 123456789 += ~s.*ps.*p==LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 +=
   	+= ::f(1,2)==  [/* c */int- 
#define M(a) a
 >x'c' &&->\
*L[->\
* 123456789 :{&{~try-- 'c'LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1"s" /* c */ !=:\
: > x::yalpha_beta_gamma_delta x=1; int->* __try---- +=->catch 
#define M(a) a
	* f(1,2)::
 [ --;
  123456789  "s"/* c */==s.*pa->*b( 123456789  	;::-- __try& 'c':\
:-> s.*pa->*b'c'  0  *a->*bclasscatchx=1; x"s" ==x=1;->*// line
.*->\
* x x=1; ~- <alpha_beta_gamma_delta/* c *//* c */ {class	 
#define M(a) a
/* c */&& f(1,2) &f(1,2) ->\
* 12  123456789 
    classcatch&&-.*: -\
>*: ->\
*class> ; class f(1,2)catch ] & -\
>*
 __try== >><
    f(1,2)--  &
#define M(a) a
 
:: 
   ,s.*pclass catch -\
>*	> == 
#define M(a) a
 --LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 __try:\
:s.*p , ( :\
:>>, "s">-\
>*:\
: 12  ] L ; ->*;;; ||)+=, ||:\
:] ;, ? -\
>*x"s"~ intLname,class&&>> ==>> f(1,2)  0  LONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1'c'<s.*p class ? class }	;M(q)&xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1*classcatch==  ]L-- }; x=1;<<=s.*p? --a->*b* f(1,2)x||[ x=1;: xLONG_NAME_OF_MORE_THAN_SIXTEEN_BYTES_x1 != != ;	 +=;::	 || 
#define M(a) a
 
#define M(a) a

